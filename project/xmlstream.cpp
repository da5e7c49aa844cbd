#include "xmlstream.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <memory>
#include <thread>

namespace
{
constexpr size_t bufferSize = 1 << 20;
// No value we write comes near: a longer text is not one of our files.
constexpr size_t maxText = 1 << 20;
constexpr size_t maxName = 256;

bool isBlank(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool hasNonBlank(const std::string& text)
{
    for (char c : text)
        if (!isBlank(static_cast<unsigned char>(c)))
            return true;
    return false;
}

void appendUtf8(std::string& out, uint32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}
} // namespace

// ---- writing ---------------------------------------------------------------

XmlStreamWriter::XmlStreamWriter(const std::string& path) : file(std::fopen(path.c_str(), "w"))
{
    buffer.reserve(bufferSize + 4096);
    put("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<cereal");
    frames.push_back({"cereal"});
}

XmlStreamWriter::XmlStreamWriter(Part, size_t depth) : part(true)
{
    frames.resize(depth);
    for (Frame& frame : frames)
        frame.state = Frame::HasChildren;
}

XmlStreamWriter::~XmlStreamWriter()
{
    if (file)
        std::fclose(file);
}

void XmlStreamWriter::put(const char* text, size_t size)
{
    buffer.append(text, size);
    if (buffer.size() >= bufferSize && !part)
        flush();
}

void XmlStreamWriter::flush()
{
    if (file && !failed && !buffer.empty() &&
        std::fwrite(buffer.data(), 1, buffer.size(), file) != buffer.size())
        failed = true;
    buffer.clear();
}

void XmlStreamWriter::openParent()
{
    Frame& parent = frames.back();
    if (parent.state == Frame::Open) {
        put(">\n");
        parent.state = Frame::HasChildren;
    } else if (parent.state == Frame::HasValue) {
        failed = true; // a value and children: not a form we write
    }
}

void XmlStreamWriter::start(const char* name)
{
    openParent();
    std::string element =
        name ? std::string(name) : "value" + std::to_string(frames.back().counter++);
    buffer.append(frames.size(), '\t');
    put("<");
    put(element.data(), element.size());
    frames.push_back({std::move(element)});
}

void XmlStreamWriter::startSequence(const char* name)
{
    start(name);
    put(" size=\"dynamic\"");
}

void XmlStreamWriter::finish()
{
    const Frame frame = std::move(frames.back());
    frames.pop_back();
    switch (frame.state) {
    case Frame::Open:
        put("/>\n");
        break;
    case Frame::HasChildren:
        buffer.append(frames.size(), '\t');
        put("</");
        put(frame.name.data(), frame.name.size());
        put(">\n");
        break;
    case Frame::HasValue:
        put("\n");
        break;
    }
}

void XmlStreamWriter::text(const char* data, size_t size, bool escape)
{
    Frame& frame = frames.back();
    if (frame.state != Frame::Open) {
        failed = true;
        return;
    }
    if (size > 0 && (isBlank(static_cast<unsigned char>(data[0])) ||
                     isBlank(static_cast<unsigned char>(data[size - 1]))))
        put(" xml:space=\"preserve\"");
    put(">");
    if (!escape) {
        put(data, size);
    } else {
        for (size_t i = 0; i < size; ++i) {
            switch (data[i]) {
            case '<':
                put("&lt;");
                break;
            case '>':
                put("&gt;");
                break;
            case '\'':
                put("&apos;");
                break;
            case '"':
                put("&quot;");
                break;
            case '&':
                put("&amp;");
                break;
            default:
                buffer += data[i];
            }
        }
    }
    put("</");
    put(frame.name.data(), frame.name.size());
    put(">");
    frame.state = Frame::HasValue;
}

void XmlStreamWriter::value(double v)
{
    // What an ostream with precision 17 prints: "%.17g".
    char digits[40];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, v, std::chars_format::general, 17);
    text(digits, size_t(result.ptr - digits), false);
}

void XmlStreamWriter::value(int32_t v)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, v);
    text(digits, size_t(result.ptr - digits), false);
}

void XmlStreamWriter::value(uint32_t v)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, v);
    text(digits, size_t(result.ptr - digits), false);
}

void XmlStreamWriter::value(bool v)
{
    text(v ? "true" : "false", v ? 4 : 5, false);
}

void XmlStreamWriter::value(const std::string& v)
{
    // cereal formats through a C string: an embedded NUL ends the text.
    text(v.c_str(), std::strlen(v.c_str()), true);
}

void XmlStreamWriter::children(size_t count, unsigned threads,
                               const std::function<void(XmlStreamWriter&, size_t)>& make)
{
    openParent();
    threads = std::max(1u, threads);
    for (size_t first = 0; first < count; first += threads) {
        const size_t n = std::min<size_t>(threads, count - first);
        std::vector<std::unique_ptr<XmlStreamWriter>> parts;
        for (size_t k = 0; k < n; ++k)
            parts.emplace_back(new XmlStreamWriter(Part{}, frames.size()));
        std::vector<std::thread> workers;
        for (size_t k = 1; k < n; ++k)
            workers.emplace_back([&, k] { make(*parts[k], first + k); });
        make(*parts[0], first);
        for (std::thread& worker : workers)
            worker.join();
        for (const auto& written : parts) {
            failed = failed || written->failed;
            put(written->buffer.data(), written->buffer.size());
        }
    }
}

bool XmlStreamWriter::close()
{
    while (!frames.empty())
        finish();
    put("\n"); // rapidxml ends the document node with a line of its own
    flush();
    if (!file)
        return false;
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    return closed && !failed;
}

// ---- reading ---------------------------------------------------------------

XmlPullReader::XmlPullReader(const std::string& path)
    : file(std::fopen(path.c_str(), "rb")), data(bufferSize)
{
    if (!file)
        problem = "cannot be read";
}

XmlPullReader::~XmlPullReader()
{
    if (file)
        std::fclose(file);
}

bool XmlPullReader::fill()
{
    if (!file)
        return false;
    end = std::fread(data.data(), 1, data.size(), file);
    at = 0;
    return end > 0;
}

XmlPullReader::Event XmlPullReader::fail(const std::string& why)
{
    if (problem.empty())
        problem = why + " at line " + std::to_string(line);
    return Error;
}

bool XmlPullReader::readName(std::string& into)
{
    into.clear();
    for (int c = peek(); c != -1 && !isBlank(c) && c != '/' && c != '>' && c != '=' && c != '<';
         c = peek()) {
        if (into.size() == maxName)
            return false;
        into += char(get());
    }
    return !into.empty();
}

bool XmlPullReader::skipPast(const char* terminator)
{
    const size_t n = std::strlen(terminator);
    size_t matched = 0;
    for (int c = get(); c != -1; c = get()) {
        if (c == '\n')
            ++line;
        if (c == terminator[matched]) {
            if (++matched == n)
                return true;
        } else {
            matched = c == terminator[0] ? 1 : 0;
        }
    }
    return false;
}

bool XmlPullReader::readEntity(std::string& into)
{
    std::string entity;
    for (int c = get(); c != ';'; c = get()) {
        if (c == -1 || entity.size() > 10)
            return false;
        entity += char(c);
    }
    if (entity == "lt")
        into += '<';
    else if (entity == "gt")
        into += '>';
    else if (entity == "amp")
        into += '&';
    else if (entity == "apos")
        into += '\'';
    else if (entity == "quot")
        into += '"';
    else if (entity.size() > 1 && entity[0] == '#') {
        // A character reference, not a number field: XML fixes its forms.
        const bool hex = entity[1] == 'x';
        uint32_t code = 0;
        const char* first = entity.data() + (hex ? 2 : 1);
        const char* last = entity.data() + entity.size();
        const auto result = std::from_chars(first, last, code, hex ? 16 : 10);
        if (result.ec != std::errc() || result.ptr != last || first == last || code > 0x10FFFF)
            return false;
        appendUtf8(into, code);
    } else {
        return false;
    }
    return true;
}

XmlPullReader::Event XmlPullReader::closeElement()
{
    elementName = open.back();
    open.pop_back();
    openHasChildren.pop_back();
    openPreserve.pop_back();
    if (open.empty())
        rootClosed = true;
    return EndElement;
}

XmlPullReader::Event XmlPullReader::next()
{
    elementText.clear();
    if (pendingEnd) {
        pendingEnd = false;
        return closeElement();
    }
    for (;;) {
        const int c = get();
        if (c == -1) {
            if (!problem.empty())
                return Error;
            if (!open.empty())
                return fail("the file ends inside <" + open.back() + ">");
            if (!rootSeen)
                return fail("no root element");
            return EndOfDocument;
        }
        if (c == '<') {
            const int kind = peek();
            if (kind == '?') {
                if (!skipPast("?>"))
                    return fail("an unfinished processing instruction");
                continue;
            }
            if (kind == '!') {
                get();
                if (get() != '-' || get() != '-')
                    return fail("markup our files do not hold (DOCTYPE or CDATA)");
                if (!skipPast("-->"))
                    return fail("an unfinished comment");
                continue;
            }
            return readTag();
        }
        if (c == '\n')
            ++line;
        if (open.empty()) {
            // A byte-order mark, as an editor may put before the root.
            const bool mark = !rootSeen && (c == 0xEF || c == 0xBB || c == 0xBF);
            if (!isBlank(c) && !mark)
                return fail("text outside the root element");
            continue;
        }
        if (!isBlank(c) && openHasChildren.back())
            return fail("text beside the elements of <" + open.back() + ">");
        if (elementText.size() == maxText)
            return fail("a text longer than " + std::to_string(maxText) + " bytes");
        if (c == '&') {
            if (!readEntity(elementText))
                return fail("an unknown or unfinished character reference");
        } else {
            elementText += char(c);
        }
    }
}

XmlPullReader::Event XmlPullReader::readTag()
{
    std::string name;
    if (peek() == '/') {
        get();
        if (!readName(name))
            return fail("a malformed end tag");
        while (isBlank(peek()))
            get();
        if (get() != '>')
            return fail("a malformed end tag </" + name + ">");
        if (open.empty() || open.back() != name)
            return fail("</" + name + "> closes " +
                        (open.empty() ? std::string("nothing") : "<" + open.back() + ">"));
        if (openHasChildren.back()) {
            elementText.clear();
        } else if (!openPreserve.back()) {
            size_t first = 0, last = elementText.size();
            while (first < last && isBlank(static_cast<unsigned char>(elementText[first])))
                ++first;
            while (last > first && isBlank(static_cast<unsigned char>(elementText[last - 1])))
                --last;
            elementText.erase(last);
            elementText.erase(0, first);
        }
        return closeElement();
    }

    if (!readName(name))
        return fail("a malformed start tag");
    if (rootClosed)
        return fail("a second root element <" + name + ">");
    if (!rootSeen && name != "cereal")
        return fail("the root element is not \"cereal\"");
    rootSeen = true;
    if (!open.empty()) {
        if (hasNonBlank(elementText))
            return fail("text beside the elements of <" + open.back() + ">");
        openHasChildren.back() = true;
    }
    bool preserve = false, selfClosing = false;
    for (;;) {
        while (isBlank(peek()))
            if (get() == '\n')
                ++line;
        const int c = peek();
        if (c == '/') {
            get();
            if (get() != '>')
                return fail("a malformed start tag <" + name + ">");
            selfClosing = true;
            break;
        }
        if (c == '>') {
            get();
            break;
        }
        std::string attribute, value;
        if (!readName(attribute))
            return fail("a malformed start tag <" + name + ">");
        while (isBlank(peek()))
            get();
        if (get() != '=')
            return fail("an attribute without a value in <" + name + ">");
        while (isBlank(peek()))
            get();
        const int quote = get();
        if (quote != '"' && quote != '\'')
            return fail("an unquoted attribute in <" + name + ">");
        for (int v = get(); v != quote; v = get()) {
            if (v == -1 || v == '<' || value.size() > maxName)
                return fail("a malformed attribute in <" + name + ">");
            if (v == '&') {
                if (!readEntity(value))
                    return fail("an unknown or unfinished character reference");
            } else {
                value += char(v);
            }
        }
        if (attribute == "xml:space" && value == "preserve")
            preserve = true;
    }
    open.push_back(name);
    openHasChildren.push_back(false);
    openPreserve.push_back(preserve);
    if (int(open.size()) > maxXmlDepth)
        return fail("elements nest deeper than " + std::to_string(maxXmlDepth) + " levels");
    elementText.clear();
    elementName = std::move(name);
    pendingEnd = selfClosing;
    return StartElement;
}

XmlPullReader::Event XmlPullReader::skipElement()
{
    const int target = depth() - 1;
    while (depth() > target) {
        const Event event = next();
        if (event == Error || event == EndOfDocument)
            return event == Error ? Error : fail("the file ends inside an element");
    }
    return EndElement;
}
