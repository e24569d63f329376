// A small non-validating reader for the weather services' XML replies.
//
// Parse() makes one pass over the text and records, for every element, where
// its start and end tags lie and how it links to its parent, first child and
// next sibling. No text is copied apart from the document itself: element
// content, comments, CDATA, processing instructions and DOCTYPEs are skipped.
// The caller then walks the tree with a cursor (FindElement, IntoElement,
// OutOfElement) and decodes attribute values on demand (GetAttribute).
//
// Offsets count UTF-16 code units; a NUL ends the text. Navigation never fails
// loudly: it returns false or an empty string and leaves the cursor alone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Node kinds of the node skipper (bit values; 0 = not a node).
inline constexpr int XML_NODE_ELEMENT = 1;
inline constexpr int XML_NODE_TEXT = 2;
inline constexpr int XML_NODE_WHITESPACE = 4;
inline constexpr int XML_NODE_CDATA = 8;
inline constexpr int XML_NODE_PI = 16;
inline constexpr int XML_NODE_COMMENT = 32;
inline constexpr int XML_NODE_DOCTYPE = 64;

struct XmlElementPos {
    int32_t startLeft = 0;    // '<' of the start tag
    int32_t startRight = 0;   // '>' of the start tag
    int32_t endLeft = 0;      // '<' of the end tag ('/' for <a/>); next scan start while parsing
    int32_t endRight = 0;     // '>' of the end tag (= startRight for <a/>)
    int32_t parent = 0;
    int32_t firstChild = 0;   // 0 = none
    int32_t nextSibling = 0;  // 0 = none
};

// Elements nested deeper than this are refused with an error instead of
// recursing further: hostile replies must not overflow the stack.
inline constexpr int kXmlMaxDepth = 256;

class CXmlReader {
public:
    CXmlReader();
    virtual ~CXmlReader();

    // True when a document element was parsed completely; a null text is empty.
    bool Parse(const char16_t* text);
    bool Parse(std::u16string_view text);

    // Next sibling called `name` (after the current element, or from the
    // parent's first child); a null or empty name takes any next sibling.
    bool FindElement(const char16_t* name);
    bool IntoElement();
    bool OutOfElement();
    // The quoted value of the current element's attribute with the five
    // predefined entities decoded; empty when there is none.
    std::u16string GetAttribute(const char16_t* name) const;

    // The message of the last failed Parse (UTF-16, English as recorded).
    const std::u16string& ErrorText() const { return m_error; }
    // The element table, entry 0 the virtual root; for inspection.
    const XmlElementPos& Element(int index) const { return m_elements[static_cast<size_t>(index)]; }
    int ElementCount() const { return m_nextFree; }
    int CurrentIndex() const { return m_current; }

private:
    struct Token;
    const char16_t* Text() const { return m_text.c_str(); }
    bool NextToken(Token& token) const;
    int SkipNode(Token& token) const;
    int FindChar(int from, char16_t c) const;
    int FindText(int from, std::u16string_view what) const;
    bool TokenMatchesElementName(const Token& token, int element) const;
    std::u16string ElementName(int element) const;
    int ParseElement(int parent, int depth);
    int SetParseError(const char* message, int element);
    std::u16string DecodeText(int from, int to) const;
    void ResetCursor();

    std::u16string m_text;
    size_t m_end = 0;  // the first NUL, or the length
    std::u16string m_error;
    std::vector<XmlElementPos> m_elements;
    int32_t m_parent = 0;
    int32_t m_current = 0;
    int32_t m_child = 0;
    int32_t m_nextFree = 1;
    int32_t m_nodeKind = 0;
};
