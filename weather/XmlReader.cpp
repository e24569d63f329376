#include "weather/XmlReader.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsWhitespace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

bool IsDelimiter(char16_t c)
{
    switch (c) {
    case u' ': case u'\t': case u'\n': case u'\r': case u'<': case u'>':
    case u'=': case u'\\': case u'/': case u'?': case u'!':
        return true;
    default:
        return false;
    }
}

bool IsNameTerminator(char16_t c) { return c == u' ' || c == u'=' || c == u'/' || c == u'['; }

// The token's characters equal the leading characters of a name that ends
// (NUL, or after `nameLength` units) or continues with a name terminator.
bool SameLeadingName(const char16_t* token, int tokenLength, const char16_t* name, int nameLength)
{
    if (tokenLength > nameLength || tokenLength < 0)
        return false;
    for (int i = 0; i < tokenLength; ++i)
        if (token[i] != name[i] || name[i] == 0)
            return false;
    const char16_t after = tokenLength < nameLength ? name[tokenLength] : 0;
    return after == 0 || IsNameTerminator(after);
}

int NameLength(const char16_t* name)
{
    int n = 0;
    while (name[n] != 0) ++n;
    return n;
}

struct Entity {
    std::u16string_view name;  // with the ';'
    char16_t character;
};
constexpr Entity kEntities[] = {
    {u"lt;", u'<'}, {u"amp;", u'&'}, {u"gt;", u'>'}, {u"apos;", u'\''}, {u"quot;", u'"'},
};

std::u16string Widen(const char* ascii)
{
    return std::u16string(ascii, ascii + std::strlen(ascii));
}

} // namespace

struct CXmlReader::Token {
    int left = 0;
    int right = -1;  // inclusive
    int next = 0;
    bool isString = false;
    int Length() const { return right - left + 1; }
};

CXmlReader::CXmlReader() { Parse(static_cast<const char16_t*>(nullptr)); }

CXmlReader::~CXmlReader() = default;

void CXmlReader::ResetCursor()
{
    m_parent = m_current = m_child = 0;
    m_nodeKind = 0;
}

bool CXmlReader::NextToken(Token& token) const
{
    const char16_t* t = Text();
    int p = token.next;
    while (IsWhitespace(t[p])) ++p;
    if (t[p] == 0) {
        token.left = token.right = token.next = p;
        return false;
    }
    if (t[p] == u'"' || t[p] == u'\'') {
        const char16_t quote = t[p];
        token.isString = true;
        token.left = p + 1;
        int q = token.left;
        while (t[q] != 0 && t[q] != quote) ++q;
        token.right = q - 1;
        token.next = t[q] != 0 ? q + 1 : q;
        return true;
    }
    token.isString = false;
    token.left = p;
    int q = p;
    while (t[q] != 0 && !IsDelimiter(t[q])) ++q;
    if (q == p) ++q;  // a delimiter is a token of its own
    token.right = q - 1;
    token.next = q;
    return true;
}

int CXmlReader::FindChar(int from, char16_t c) const
{
    const char16_t* t = Text();
    int p = from;
    while (t[p] != 0 && t[p] != c) ++p;
    return t[p] == c ? p : -1;
}

int CXmlReader::FindText(int from, std::u16string_view what) const
{
    const size_t at = m_text.find(what, static_cast<size_t>(from));
    if (at == std::u16string::npos || at + what.size() > m_end) return -1;  // a NUL ends the text
    return static_cast<int>(at);
}

int CXmlReader::SkipNode(Token& token) const
{
    const char16_t* t = Text();
    const int p = token.next;
    token.left = p;
    if (t[p] != u'<') {
        if (t[p] == 0) return 0;
        int q = p;
        while (IsWhitespace(t[q])) ++q;
        if (t[q] == 0 || t[q] == u'<') {
            token.next = q;
            return XML_NODE_WHITESPACE;
        }
        while (t[q] != 0 && t[q] != u'<') ++q;
        token.next = q;
        return XML_NODE_TEXT;
    }
    if (t[p + 1] == 0 || t[p + 2] == 0) return 0;

    std::u16string_view terminator;
    int kind = 0;
    if (t[p + 1] == u'?') {
        terminator = u"?>";
        kind = XML_NODE_PI;
    } else if (t[p + 1] == u'!' && t[p + 2] == u'[') {
        terminator = u"]]>";
        kind = XML_NODE_CDATA;
    } else if (t[p + 1] == u'!' && t[p + 2] == u'-') {
        terminator = u"-->";
        kind = XML_NODE_COMMENT;
    } else if (t[p + 1] == u'!') {
        Token scan;
        scan.next = p;
        int depth = 0;
        while (NextToken(scan)) {
            if (scan.isString) continue;
            const char16_t c = t[scan.left];
            if (c == u'[') ++depth;
            else if (c == u']') --depth;
            else if (c == u'>' && depth == 0) {
                token.next = scan.left + 1;
                return XML_NODE_DOCTYPE;
            }
        }
        return 0;
    } else if (t[p + 1] == u'/') {
        return 0;
    } else {
        return XML_NODE_ELEMENT;
    }
    const int at = FindText(p, terminator);
    if (at < 0) return 0;
    token.next = at + static_cast<int>(terminator.size());
    return kind;
}

bool CXmlReader::TokenMatchesElementName(const Token& token, int element) const
{
    // The element's own name token, read again from its start tag.
    Token name;
    name.next = m_elements[static_cast<size_t>(element)].startLeft + 1;
    if (!NextToken(name) || name.isString) return false;
    return SameLeadingName(Text() + token.left, token.Length(), Text() + name.left, name.Length());
}

std::u16string CXmlReader::ElementName(int element) const
{
    Token name;
    name.next = m_elements[static_cast<size_t>(element)].startLeft + 1;
    if (!NextToken(name)) return {};
    return m_text.substr(static_cast<size_t>(name.left), static_cast<size_t>(name.Length()));
}

int CXmlReader::SetParseError(const char* message, int element)
{
    m_error = Widen(message);
    if (element > 0) {
        const size_t at = m_error.find(u"%s");
        if (at != std::u16string::npos) m_error.replace(at, 2, ElementName(element));
    }
    --m_nextFree;
    return -1;
}

int CXmlReader::ParseElement(int parent, int depth)
{
    if (m_nextFree >= static_cast<int>(m_elements.size()))
        m_elements.resize(m_elements.size() + m_elements.size() / 2);
    const int i = m_nextFree++;
    auto entry = [this](int index) -> XmlElementPos& { return m_elements[static_cast<size_t>(index)]; };
    entry(i) = XmlElementPos{};
    entry(i).startLeft = entry(parent).endLeft;
    entry(i).parent = parent;
    if (depth > kXmlMaxDepth) return SetParseError("Elements nested too deeply", 0);

    const char16_t* t = Text();
    Token token;
    int scan = entry(parent).endLeft;
    for (;;) {
        const int open = FindChar(scan, u'<');
        if (open < 0) return SetParseError("Element tag not found", 0);
        entry(i).startLeft = open;
        entry(parent).endLeft = open;
        token.next = open + 1;
        if (!NextToken(token)) return SetParseError("Abrupt end within tag", 0);
        if (token.isString) return SetParseError("Tag starts with quote", 0);
        const char16_t first = t[token.left];
        if (first == u'?' || first == u'!') {
            Token node;
            node.next = open;
            const int kind = SkipNode(node);
            // "< ?x" reads as an element to the skipper: refuse it rather than loop.
            if (kind == 0 || kind == XML_NODE_ELEMENT) return SetParseError("Invalid node", 0);
            scan = node.next;
            continue;
        }
        if (first == u'/') {
            --m_nextFree;
            return 0;
        }
        const int close = FindChar(token.next, u'>');
        if (close < 0) return SetParseError("End of tag not found", 0);
        entry(i).startRight = close;
        break;
    }

    if (t[entry(i).startRight - 1] == u'/') {
        entry(i).endLeft = entry(i).startRight - 1;
        entry(i).endRight = entry(i).startRight;
        return i;
    }

    entry(i).endLeft = entry(i).startRight + 1;
    int previous = 0;
    for (;;) {
        const int child = ParseElement(i, depth + 1);
        if (child < 0) return -1;
        if (child == 0) break;
        if (previous == 0) entry(i).firstChild = child;
        else entry(previous).nextSibling = child;
        previous = child;
        entry(i).endLeft = entry(child).endRight + 1;
    }

    const int endOpen = FindChar(entry(i).endLeft, u'<');
    if (endOpen < 0) return SetParseError("End tag of %s element not found", i);
    entry(i).endLeft = endOpen;

    token.next = endOpen + 1;
    int count = 0;
    bool closed = false;
    while (NextToken(token)) {
        ++count;
        if (token.isString) continue;
        if (count == 1 && t[token.left] != u'/')
            return SetParseError("Expecting end tag of element %s", i);
        if (count == 2 && !TokenMatchesElementName(token, i))
            return SetParseError("End tag does not correspond to %s", i);
        if (t[token.left] == u'>') {
            closed = true;
            break;
        }
    }
    if (!closed || count < 2) return SetParseError("End tag not completed for element %s", i);
    entry(i).endRight = token.left;
    return i;
}

bool CXmlReader::Parse(const char16_t* text)
{
    return Parse(text ? std::u16string_view(text) : std::u16string_view());
}

bool CXmlReader::Parse(std::u16string_view text)
{
    m_nextFree = 1;
    ResetCursor();
    m_error.clear();
    m_text.assign(text);
    m_end = std::min(m_text.find(u'\0'), m_text.size());
    const size_t wanted = m_text.size() / 64 + 8;
    if (m_elements.size() < wanted) m_elements.resize(wanted);

    bool parsed = false;
    m_elements[0] = XmlElementPos{};
    if (!m_text.empty()) {
        const int first = ParseElement(0, 1);
        if (first > 0) {
            m_elements[0].firstChild = first;
            parsed = true;
        }
    }
    if (!parsed) {
        m_elements[0] = XmlElementPos{};
        m_nextFree = 1;
    }
    ResetCursor();
    return parsed;
}

bool CXmlReader::FindElement(const char16_t* name)
{
    if (m_elements.empty()) return false;
    int candidate = m_current == 0 ? Element(m_parent).firstChild : Element(m_current).nextSibling;
    if (name != nullptr && name[0] != 0) {
        const int nameLength = NameLength(name);
        while (candidate != 0) {
            Token tag;
            tag.next = Element(candidate).startLeft + 1;
            if (NextToken(tag) && !tag.isString &&
                SameLeadingName(Text() + tag.left, tag.Length(), name, nameLength))
                break;
            candidate = Element(candidate).nextSibling;
        }
    }
    if (candidate == 0) return false;
    m_current = candidate;
    m_parent = Element(candidate).parent;
    m_child = 0;
    m_nodeKind = XML_NODE_ELEMENT;
    return true;
}

bool CXmlReader::IntoElement()
{
    if (m_current == 0 || m_nodeKind != XML_NODE_ELEMENT) return false;
    m_parent = m_current;
    m_current = m_child;
    m_child = 0;
    m_nodeKind = m_current != 0 ? XML_NODE_ELEMENT : 0;
    return true;
}

bool CXmlReader::OutOfElement()
{
    if (m_parent == 0) return false;
    m_child = m_current;
    m_current = m_parent;
    m_parent = Element(m_current).parent;
    m_nodeKind = XML_NODE_ELEMENT;
    return true;
}

std::u16string CXmlReader::GetAttribute(const char16_t* name) const
{
    if (m_current == 0 || m_nodeKind != XML_NODE_ELEMENT || name == nullptr) return {};
    const char16_t* t = Text();
    const int nameLength = NameLength(name);
    Token token;
    token.next = Element(m_current).startLeft + 1;
    int matched = -1;
    for (int position = 0; NextToken(token); ++position) {
        if (!token.isString) {
            const char16_t c = t[token.left];
            if (c == u'>' || c == u'/' || c == u'?') return {};
            if (position >= 1 && c != u'=' && matched < 0 &&
                (nameLength == 0 || SameLeadingName(t + token.left, token.Length(), name, nameLength)))
                matched = position;
        } else if (matched >= 0 && position == matched + 2) {
            int right = token.right;
            if (right >= static_cast<int>(m_text.size())) right = static_cast<int>(m_text.size()) - 1;
            return DecodeText(token.left, right);
        }
    }
    return {};
}

std::u16string CXmlReader::DecodeText(int from, int to) const
{
    std::u16string out;
    if (to < from) return out;
    out.reserve(static_cast<size_t>(to - from + 1));
    const char16_t* t = Text();
    for (int p = from; p <= to;) {
        if (t[p] == u'&') {
            bool decoded = false;
            for (const Entity& entity : kEntities) {
                const int length = static_cast<int>(entity.name.size());
                if (p <= to - length &&
                    std::u16string_view(t + p + 1, static_cast<size_t>(length)) == entity.name) {
                    out.push_back(entity.character);
                    p += 1 + length;
                    decoded = true;
                    break;
                }
            }
            if (decoded) continue;
        }
        out.push_back(t[p]);
        ++p;
    }
    return out;
}
