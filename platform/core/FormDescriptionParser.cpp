#include "platform/core/FormDescriptionParser.h"

#include "platform/core/Exception.h"
#include "platform/core/FormDescriptionLexer.h"
#include "platform/core/SysUtils.h"

namespace {

std::string Describe(const TFormToken& token)
{
    switch (token.Kind) {
    case TFormTokenKind::End: return "the end of the text";
    case TFormTokenKind::Identifier: return "'" + token.Text + "'";
    case TFormTokenKind::Integer:
    case TFormTokenKind::Float: return "a number";
    case TFormTokenKind::String: return "a string";
    case TFormTokenKind::Symbol: return std::string("'") + token.Symbol + "'";
    }
    return "?";
}

bool IsSymbol(const TFormToken& token, char symbol)
{
    return token.Kind == TFormTokenKind::Symbol && token.Symbol == symbol;
}

bool IsKeyword(const TFormToken& token, std::string_view keyword)
{
    return token.Kind == TFormTokenKind::Identifier && SameText(token.Text, keyword);
}

// Words that open or close objects; they name nothing and are no values.
bool IsReserved(const TFormToken& token)
{
    return IsKeyword(token, "end") || IsKeyword(token, "object") || IsKeyword(token, "inherited") ||
           IsKeyword(token, "inline");
}

class TFormDescriptionParser {
public:
    explicit TFormDescriptionParser(std::string_view text) : m_lexer(text) {}

    TFormObject ParseDocument()
    {
        TFormObject root = ParseObject();
        const TFormToken& rest = m_lexer.Peek();
        if (rest.Kind != TFormTokenKind::End) Fail(rest, "Unexpected " + Describe(rest) + " after the last 'end'");
        return root;
    }

private:
    // Counts one level of nesting for as long as it lives.
    class TNesting {
    public:
        TNesting(TFormDescriptionParser& parser, int line) : m_parser(parser)
        {
            if (++m_parser.m_depth > kMaxFormNesting) TFormDescriptionLexer::Fail(line, "Nesting too deep");
        }
        ~TNesting() { --m_parser.m_depth; }
        TNesting(const TNesting&) = delete;
        TNesting& operator=(const TNesting&) = delete;

    private:
        TFormDescriptionParser& m_parser;
    };

    [[noreturn]] static void Fail(const TFormToken& at, std::string_view message)
    {
        TFormDescriptionLexer::Fail(at.Line, message);
    }

    void CountValue(int line)
    {
        if (++m_values > kMaxFormValues) TFormDescriptionLexer::Fail(line, "Too many values");
    }

    void Expect(char symbol)
    {
        const TFormToken token = m_lexer.Next();
        if (!IsSymbol(token, symbol)) {
            Fail(token, std::string("'") + symbol + "' expected but " + Describe(token) + " found");
        }
    }

    std::string ExpectIdentifier(std::string_view what)
    {
        TFormToken token = m_lexer.Next();
        if (token.Kind != TFormTokenKind::Identifier || IsReserved(token)) {
            Fail(token, std::string(what) + " expected but " + Describe(token) + " found");
        }
        return std::move(token.Text);
    }

    std::string ParseDottedName(std::string_view what)
    {
        std::string name = ExpectIdentifier(what);
        while (IsSymbol(m_lexer.Peek(), '.')) {
            m_lexer.Next();
            name += '.';
            name += ExpectIdentifier(what);
        }
        return name;
    }

    TFormObject ParseObject()
    {
        const TFormToken start = m_lexer.Next();
        if (IsKeyword(start, "inherited") || IsKeyword(start, "inline")) {
            Fail(start, "'" + start.Text + "' objects are not supported");
        }
        if (!IsKeyword(start, "object")) Fail(start, "'object' expected but " + Describe(start) + " found");
        const TNesting nesting(*this, start.Line);
        CountValue(start.Line);

        TFormObject object;
        object.Line = start.Line;
        object.ClassName = ExpectIdentifier("Class name");
        if (IsSymbol(m_lexer.Peek(), ':')) {
            m_lexer.Next();
            object.Name = std::move(object.ClassName);
            object.ClassName = ExpectIdentifier("Class name");
        }
        for (;;) {
            const TFormToken& token = m_lexer.Peek();
            if (IsKeyword(token, "end")) {
                m_lexer.Next();
                return object;
            }
            if (IsKeyword(token, "object") || IsKeyword(token, "inherited") || IsKeyword(token, "inline")) {
                object.Children.push_back(ParseObject());
            } else if (token.Kind == TFormTokenKind::Identifier) {
                if (!object.Children.empty()) Fail(token, "Properties must come before child objects");
                object.Properties.push_back(ParseProperty());
            } else {
                Fail(token, "'end' expected for the object of line " + std::to_string(object.Line) + " but " +
                                Describe(token) + " found");
            }
        }
    }

    TFormProperty ParseProperty()
    {
        TFormProperty property;
        property.Line = m_lexer.Peek().Line;
        CountValue(property.Line);
        property.Name = ParseDottedName("Property name");
        Expect('=');
        property.Value = ParseValue();
        return property;
    }

    TFormValue ParseValue()
    {
        TFormToken token = m_lexer.Next();
        CountValue(token.Line);
        TFormValue value;
        value.Line = token.Line;
        switch (token.Kind) {
        case TFormTokenKind::Integer:
            value.Kind = TFormValueKind::Integer;
            value.Integer = token.Integer;
            return value;
        case TFormTokenKind::Float:
            value.Kind = TFormValueKind::Float;
            value.Float = token.Float;
            return value;
        case TFormTokenKind::String:
            value.Kind = TFormValueKind::String;
            value.Text = std::move(token.Text);
            AppendJoinedStrings(value.Text);
            return value;
        case TFormTokenKind::Identifier:
            if (IsReserved(token)) break;
            value.Kind = TFormValueKind::Identifier;
            value.Text = std::move(token.Text);
            while (IsSymbol(m_lexer.Peek(), '.')) {
                m_lexer.Next();
                value.Text += '.';
                value.Text += ExpectIdentifier("Name");
            }
            return value;
        case TFormTokenKind::Symbol: return ParseBracketed(token, std::move(value));
        case TFormTokenKind::End: break;
        }
        Fail(token, "Value expected but " + Describe(token) + " found");
    }

    // 'a' + 'b' + ...
    void AppendJoinedStrings(std::string& text)
    {
        while (IsSymbol(m_lexer.Peek(), '+')) {
            m_lexer.Next();
            const TFormToken piece = m_lexer.Next();
            if (piece.Kind != TFormTokenKind::String) Fail(piece, "String expected after '+'");
            text += piece.Text;
        }
    }

    TFormValue ParseBracketed(const TFormToken& open, TFormValue value)
    {
        const TNesting nesting(*this, open.Line);
        switch (open.Symbol) {
        case '[':
            value.Kind = TFormValueKind::Set;
            ParseSet(value);
            return value;
        case '(':
            value.Kind = TFormValueKind::List;
            while (!IsSymbol(m_lexer.Peek(), ')')) value.Items.push_back(ParseValue());
            m_lexer.Next();
            return value;
        case '<':
            value.Kind = TFormValueKind::Collection;
            while (!IsSymbol(m_lexer.Peek(), '>')) value.CollectionItems.push_back(ParseItem());
            m_lexer.Next();
            return value;
        case '{':
            value.Kind = TFormValueKind::Binary;
            value.Bytes = m_lexer.ReadBinary();
            return value;
        default: Fail(open, "Value expected but " + Describe(open) + " found");
        }
    }

    void ParseSet(TFormValue& set)
    {
        if (IsSymbol(m_lexer.Peek(), ']')) {
            m_lexer.Next();
            return;
        }
        for (;;) {
            TFormValue element;
            element.Line = m_lexer.Peek().Line;
            CountValue(element.Line);
            element.Kind = TFormValueKind::Identifier;
            element.Text = ExpectIdentifier("Set element");
            set.Items.push_back(std::move(element));
            const TFormToken token = m_lexer.Next();
            if (IsSymbol(token, ']')) return;
            if (!IsSymbol(token, ',')) Fail(token, "',' or ']' expected but " + Describe(token) + " found");
        }
    }

    TFormCollectionItem ParseItem()
    {
        const TFormToken start = m_lexer.Next();
        if (!IsKeyword(start, "item")) Fail(start, "'item' or '>' expected but " + Describe(start) + " found");
        const TNesting nesting(*this, start.Line);
        TFormCollectionItem item;
        item.Line = start.Line;
        for (;;) {
            const TFormToken& token = m_lexer.Peek();
            if (IsKeyword(token, "end")) {
                m_lexer.Next();
                return item;
            }
            if (token.Kind != TFormTokenKind::Identifier) {
                Fail(token, "'end' expected for the item of line " + std::to_string(item.Line) + " but " +
                                Describe(token) + " found");
            }
            item.Properties.push_back(ParseProperty());
        }
    }

    TFormDescriptionLexer m_lexer;
    int m_depth = 0;
    std::size_t m_values = 0;
};

}  // namespace

TFormObject ParseFormDescription(std::string_view text)
{
    if (text.size() > kMaxFormDescriptionSize) {
        throw EReadError("Form description too large: " + std::to_string(text.size()) + " bytes");
    }
    return TFormDescriptionParser(text).ParseDocument();
}
