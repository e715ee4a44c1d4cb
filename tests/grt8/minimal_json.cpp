#include "minimal_json.h"

#include <cctype>

namespace {

class JsonChecker {
public:
    explicit JsonChecker(std::string_view text) : m_text(text) {}

    bool Document() {
        if (!Value()) {
            return false;
        }
        SkipBlanks();
        return m_at == m_text.size();
    }

private:
    void SkipBlanks() {
        while (m_at < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_at]))) {
            ++m_at;
        }
    }

    bool Take(char expected) {
        SkipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == expected) {
            ++m_at;
            return true;
        }
        return false;
    }

    bool Word(std::string_view word) {
        if (m_text.substr(m_at, word.size()) != word) {
            return false;
        }
        m_at += word.size();
        return true;
    }

    bool String() {
        if (!Take('"')) {
            return false;
        }
        while (m_at < m_text.size()) {
            const auto character = static_cast<unsigned char>(m_text[m_at++]);
            if (character == '"') {
                return true;
            }
            if (character < 0x20) {
                return false;
            }
            if (character == '\\' && !Escape()) {
                return false;
            }
        }
        return false;
    }

    bool Escape() {
        if (m_at >= m_text.size()) {
            return false;
        }
        const char kind = m_text[m_at++];
        if (kind != 'u') {
            return std::string_view("\"\\/bfnrt").find(kind) != std::string_view::npos;
        }
        for (int digit = 0; digit < 4; ++digit, ++m_at) {
            if (m_at >= m_text.size() || !std::isxdigit(static_cast<unsigned char>(m_text[m_at]))) {
                return false;
            }
        }
        return true;
    }

    bool Number() {
        const std::size_t start = m_at;
        if (m_at < m_text.size() && m_text[m_at] == '-') {
            ++m_at;
        }
        while (m_at < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_at]))) {
            ++m_at;
        }
        return m_at > start && std::isdigit(static_cast<unsigned char>(m_text[m_at - 1]));
    }

    template <class Element> bool Sequence(char close, Element element) {
        if (Take(close)) {
            return true;
        }
        do {
            if (!element()) {
                return false;
            }
        } while (Take(','));
        return Take(close);
    }

    bool Value() {
        SkipBlanks();
        if (m_at >= m_text.size()) {
            return false;
        }
        switch (m_text[m_at]) {
        case '{':
            ++m_at;
            return Sequence('}', [this] { return String() && Take(':') && Value(); });
        case '[':
            ++m_at;
            return Sequence(']', [this] { return Value(); });
        case '"':
            return String();
        case 't':
            return Word("true");
        case 'f':
            return Word("false");
        case 'n':
            return Word("null");
        default:
            return Number();
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace

bool IsWellFormedJson(std::string_view text) {
    return JsonChecker(text).Document();
}
