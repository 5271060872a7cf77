#pragma once
// The framework's exception classes. Every error the framework raises derives
// from Exception and carries a message meant for the user.

#include <stdexcept>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    [[nodiscard]] const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
};

#define QZ_DECLARE_EXCEPTION(Name, Base)  \
    class Name : public Base {            \
    public:                               \
        using Base::Base;                 \
    };

QZ_DECLARE_EXCEPTION(EStreamError, Exception)       // stream reads, writes and seeks
QZ_DECLARE_EXCEPTION(EFOpenError, EStreamError)     // a file that cannot be opened
QZ_DECLARE_EXCEPTION(EReadError, EStreamError)      // damaged data: bitmaps, form descriptions
QZ_DECLARE_EXCEPTION(EClassNotFound, EReadError)    // a form description names an unknown class
QZ_DECLARE_EXCEPTION(EWriteError, EStreamError)
QZ_DECLARE_EXCEPTION(EListError, Exception)         // list index out of bounds
QZ_DECLARE_EXCEPTION(EConvertError, Exception)      // text that is no number
QZ_DECLARE_EXCEPTION(EResNotFound, Exception)       // the resource error: a missing resource
QZ_DECLARE_EXCEPTION(EPropertyError, Exception)     // "Property %s does not exist"
QZ_DECLARE_EXCEPTION(EInvalidOperation, Exception)  // an operation the object's state forbids
QZ_DECLARE_EXCEPTION(EInvalidGraphic, Exception)    // pictures that cannot be decoded
QZ_DECLARE_EXCEPTION(EOutOfResources, Exception)    // fonts or windows the platform cannot give

#undef QZ_DECLARE_EXCEPTION
