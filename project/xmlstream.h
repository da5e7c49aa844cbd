#pragma once
// Streaming forms of the project's XML archives, for the archives too large
// to hold as a document in memory (traces.xml holds every filtered sample).
//
// XmlStreamWriter writes, element by element, the very bytes cereal's
// XMLOutputArchive prints with indentation on and type attributes off:
// the declaration, tabs, "valueN" names for unnamed items, size="dynamic" on
// sequences, xml:space="preserve" on texts with outer blanks, rapidxml's
// escapes, doubles as "%.17g", bools as true/false. Memory is one buffer.
//
// XmlPullReader reads such a file in one pass through a fixed buffer:
// element starts and ends, and the text of each leaf, decoded and trimmed as
// cereal's parser does it. Anything cereal would not have written (DOCTYPE,
// CDATA, mismatched or unclosed tags, another root, nesting deeper than
// maxXmlDepth, text outside the root) stops it with a reason.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Our deepest nesting is 7 (refraction.xml: cereal, refractData, cData, item,
// tGs, row, value).
constexpr int maxXmlDepth = 16;

class XmlStreamWriter
{
public:
    // Writes the declaration and opens the root; check ok() or close().
    explicit XmlStreamWriter(const std::string& path);
    ~XmlStreamWriter();
    XmlStreamWriter(const XmlStreamWriter&) = delete;
    XmlStreamWriter& operator=(const XmlStreamWriter&) = delete;

    // A child of the current element: named, or "valueN" when name is null.
    void start(const char* name = nullptr);
    // The same for a sequence (a vector in cereal's terms).
    void startSequence(const char* name = nullptr);
    void finish();

    // The text of the current element, which then has no children.
    void value(double v);
    void value(int32_t v);
    void value(uint32_t v);
    void value(bool v);
    void value(const std::string& v);

    template <typename T> void named(const char* name, const T& v)
    {
        start(name);
        value(v);
        finish();
    }
    // A sequence of plain values.
    template <typename T> void sequence(const char* name, const std::vector<T>& items)
    {
        startSequence(name);
        for (const T& item : items) {
            start();
            value(item);
            finish();
        }
        finish();
    }

    // Writes count children of the current element, each made by
    // make(writer, i) on a writer of its own, up to `threads` at a time, in
    // the order of i. The elements make starts at the top must be named: an
    // unnamed one could not know how many siblings came before it.
    void children(size_t count, unsigned threads,
                  const std::function<void(XmlStreamWriter&, size_t)>& make);

    // Closes the root and the file. False when the file could not be
    // opened or any write failed (a full disk, a size limit).
    bool close();
    bool ok() const { return file && !failed; }

private:
    // A writer of one part, in memory, at depth levels below the root.
    struct Part {
    };
    XmlStreamWriter(Part, size_t depth);

    struct Frame {
        std::string name;
        uint64_t counter = 0;
        enum { Open, HasChildren, HasValue } state = Open;
    };
    void openParent();
    void text(const char* data, size_t size, bool escape);
    void put(const char* data, size_t size);
    void put(const char* data) { put(data, std::char_traits<char>::length(data)); }
    void flush();

    std::FILE* file = nullptr;
    bool failed = false;
    bool part = false;
    std::vector<Frame> frames;
    std::string buffer;
};

class XmlPullReader
{
public:
    enum Event { StartElement, EndElement, EndOfDocument, Error };

    explicit XmlPullReader(const std::string& path);
    ~XmlPullReader();
    XmlPullReader(const XmlPullReader&) = delete;
    XmlPullReader& operator=(const XmlPullReader&) = delete;

    // The next element start or end. At EndElement of a leaf, text() is its
    // text; an element holding both text and elements is an error.
    Event next();
    const std::string& name() const { return elementName; }
    const std::string& text() const { return elementText; }
    // 1 for the root.
    int depth() const { return int(open.size()); }
    // Why next() returned Error.
    const std::string& error() const { return problem; }

    // Skips the rest of the element just started (its end included).
    Event skipElement();

private:
    bool fill();
    int get()
    {
        if (at == end && !fill())
            return -1;
        return static_cast<unsigned char>(data[at++]);
    }
    int peek()
    {
        if (at == end && !fill())
            return -1;
        return static_cast<unsigned char>(data[at]);
    }
    Event fail(const std::string& why);
    bool readName(std::string& into);
    bool skipPast(const char* terminator);
    bool readEntity(std::string& into);
    Event readTag();
    Event closeElement();

    std::FILE* file = nullptr;
    std::vector<char> data;
    size_t at = 0, end = 0;
    uint64_t line = 1;
    std::vector<std::string> open;
    std::vector<bool> openHasChildren;
    std::vector<bool> openPreserve;
    std::string elementName, elementText, problem;
    bool rootSeen = false, rootClosed = false;
    bool pendingEnd = false; // a self-closing tag's end comes next
};
