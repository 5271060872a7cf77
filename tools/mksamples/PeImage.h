#pragma once
// A small but plausible 32-bit Windows executable image: a DOS header with a
// short stub, "PE\0\0", the file header, the optional header and one code
// section holding the given machine code. The sample files and the
// benchmark's inputs are made with it. Header-only so that the generator,
// the tests and the benchmark build it without a library of their own.

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

struct PeLayout {
    std::uint32_t FileAlignment = 0x200;      // bytes
    std::uint32_t SectionAlignment = 0x1000;  // bytes
};

namespace pe_image {

inline constexpr std::uint32_t kPeHeaderAt = 0x80;    // e_lfanew
inline constexpr std::uint32_t kOptionalHeaderSize = 0xE0;
inline constexpr std::uint32_t kHeadersEnd = kPeHeaderAt + 4 + 20 + kOptionalHeaderSize + 40;
inline constexpr std::uint32_t kImageBase = 0x00400000;

inline std::uint32_t AlignUp(std::uint32_t value, std::uint32_t alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

class Writer {
public:
    explicit Writer(std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}

    void U8(std::size_t at, std::uint8_t v) { m_bytes[at] = v; }
    void U16(std::size_t at, std::uint16_t v)
    {
        U8(at, v & 0xFF);
        U8(at + 1, v >> 8);
    }
    void U32(std::size_t at, std::uint32_t v)
    {
        U16(at, v & 0xFFFF);
        U16(at + 2, v >> 16);
    }
    void Bytes(std::size_t at, std::span<const std::uint8_t> v) { std::copy(v.begin(), v.end(), m_bytes.begin() + at); }
    void Text(std::size_t at, std::string_view v) { std::copy(v.begin(), v.end(), m_bytes.begin() + at); }

private:
    std::vector<std::uint8_t>& m_bytes;
};

// Real-mode code run when the file is started under DOS: prints the message
// that follows it (at 0x4E) and exits with code 1.
inline constexpr std::uint8_t kDosStub[] = {
    0x0E,              // push cs
    0x1F,              // pop ds
    0xBA, 0x0E, 0x00,  // mov dx, 0x000E
    0xB4, 0x09,        // mov ah, 9
    0xCD, 0x21,        // int 0x21
    0xB8, 0x01, 0x4C,  // mov ax, 0x4C01
    0xCD, 0x21,        // int 0x21
};
inline constexpr std::string_view kDosMessage = "Needs 32-bit Windows.\r\n$";

inline void WriteDosHeader(Writer& w)
{
    w.Text(0x00, "MZ");
    w.U16(0x02, kPeHeaderAt);  // bytes on the last page: header and stub
    w.U16(0x04, 1);            // pages
    w.U16(0x08, 4);            // header size in paragraphs
    w.U16(0x0C, 0xFFFF);       // maximum extra paragraphs
    w.U16(0x10, 0x00B8);       // initial SP
    w.U16(0x18, 0x0040);       // relocation table offset
    w.U32(0x3C, kPeHeaderAt);  // e_lfanew
    w.Bytes(0x40, kDosStub);
    w.Text(0x40 + sizeof kDosStub, kDosMessage);
}

} // namespace pe_image

// The image: headers padded to the file alignment, then the code section.
inline std::vector<std::uint8_t> BuildPeImage(std::span<const std::uint8_t> code, const PeLayout& layout = {})
{
    using namespace pe_image;
    const std::uint32_t codeSize = static_cast<std::uint32_t>(code.size());
    const std::uint32_t headersSize = AlignUp(kHeadersEnd, layout.FileAlignment);
    const std::uint32_t rawCodeSize = AlignUp(std::max<std::uint32_t>(codeSize, 1), layout.FileAlignment);
    const std::uint32_t codeRva = AlignUp(headersSize, layout.SectionAlignment);
    const std::uint32_t imageSize = AlignUp(codeRva + codeSize, layout.SectionAlignment);

    std::vector<std::uint8_t> image(headersSize + rawCodeSize, 0);
    Writer w(image);
    WriteDosHeader(w);

    const std::uint32_t file = kPeHeaderAt + 4;
    w.Text(kPeHeaderAt, std::string_view("PE\0\0", 4));
    w.U16(file + 0, 0x014C);                // i386
    w.U16(file + 2, 1);                     // sections
    w.U16(file + 16, kOptionalHeaderSize);
    w.U16(file + 18, 0x0103);               // executable, 32-bit, no relocations

    const std::uint32_t opt = file + 20;
    w.U16(opt + 0, 0x010B);                 // PE32
    w.U8(opt + 2, 1);                       // linker version 1.0
    w.U32(opt + 4, rawCodeSize);            // SizeOfCode
    w.U32(opt + 16, codeRva);               // AddressOfEntryPoint
    w.U32(opt + 20, codeRva);               // BaseOfCode
    w.U32(opt + 24, imageSize);             // BaseOfData: there is none
    w.U32(opt + 28, kImageBase);
    w.U32(opt + 32, layout.SectionAlignment);
    w.U32(opt + 36, layout.FileAlignment);
    w.U16(opt + 40, 4);                     // operating system 4.0
    w.U16(opt + 48, 4);                     // subsystem 4.0
    w.U32(opt + 56, imageSize);
    w.U32(opt + 60, headersSize);
    w.U16(opt + 68, 2);                     // Windows GUI
    w.U32(opt + 72, 0x100000);              // stack reserve
    w.U32(opt + 76, 0x1000);                // stack commit
    w.U32(opt + 80, 0x100000);              // heap reserve
    w.U32(opt + 84, 0x1000);                // heap commit
    w.U32(opt + 92, 16);                    // data directories, all empty

    const std::uint32_t section = opt + kOptionalHeaderSize;
    w.Text(section, ".text");
    w.U32(section + 8, codeSize);           // VirtualSize
    w.U32(section + 12, codeRva);
    w.U32(section + 16, rawCodeSize);
    w.U32(section + 20, headersSize);       // PointerToRawData
    w.U32(section + 36, 0x60000020);        // code, execute, read

    w.Bytes(headersSize, code);
    return image;
}
