// Writer and reader of the text item format.
#include "core/text_items.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace hl {

std::string SingleText(Single value) {
    if (!std::isfinite(value))
        return "0";
    if (value == 0.0f)
        return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (res.ec != std::errc())
        return "0";
    return std::string(buf, res.ptr);
}

std::string DoubleText(double value) {
    if (!std::isfinite(value))
        return "0";
    if (value == 0.0)
        return "0";
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (res.ec != std::errc())
        return "0";
    return std::string(buf, res.ptr);
}

void ItemWriter::Separate() {
    if (lineStarted_)
        out_ += ',';
    lineStarted_ = true;
}

ItemWriter& ItemWriter::Text(std::string_view text) {
    Separate();
    out_ += '"';
    out_ += text;
    out_ += '"';
    return *this;
}

ItemWriter& ItemWriter::Whole(long long value) {
    Separate();
    out_ += std::to_string(value);
    return *this;
}

ItemWriter& ItemWriter::Number(Single value) {
    Separate();
    out_ += SingleText(value);
    return *this;
}

ItemWriter& ItemWriter::Unset() {
    Separate();
    return *this;
}

ItemWriter& ItemWriter::EndLine() {
    out_ += "\r\n";
    lineStarted_ = false;
    return *this;
}

ItemReader::ItemReader(std::string contents) : in_(std::move(contents)) {}

bool ItemReader::AtEnd() const {
    std::size_t p = pos_;
    while (p < in_.size() && (in_[p] == ' ' || in_[p] == '\t' || in_[p] == '\r' || in_[p] == '\n'))
        ++p;
    return p >= in_.size();
}

void ItemReader::Fail(const std::string& what) const {
    throw ItemFormatError("line " + std::to_string(line_) + ": " + what);
}

static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string ItemReader::NextItem(bool* quoted) {
    *quoted = false;
    if (pos_ >= in_.size())
        Fail("the file ends before all its items were read");
    while (pos_ < in_.size() && (in_[pos_] == ' ' || in_[pos_] == '\t'))
        ++pos_;
    std::string item;
    if (pos_ < in_.size() && in_[pos_] == '"') {
        // A text ends at a quote followed by a comma or the end of its line, so a quote
        // inside a comment survives the round trip.
        *quoted = true;
        std::size_t p = pos_ + 1;
        std::size_t close = std::string::npos;
        while (p < in_.size() && !IsLineEnd(in_[p])) {
            if (in_[p] == '"') {
                std::size_t q = p + 1;
                while (q < in_.size() && (in_[q] == ' ' || in_[q] == '\t'))
                    ++q;
                if (q >= in_.size() || in_[q] == ',' || IsLineEnd(in_[q])) {
                    close = p;
                    break;
                }
            }
            ++p;
        }
        if (close == std::string::npos)
            Fail("a text has no closing quote");
        item = in_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        while (pos_ < in_.size() && (in_[pos_] == ' ' || in_[pos_] == '\t'))
            ++pos_;
    } else {
        std::size_t start = pos_;
        while (pos_ < in_.size() && in_[pos_] != ',' && !IsLineEnd(in_[pos_]))
            ++pos_;
        item = in_.substr(start, pos_ - start);
        while (!item.empty() && (item.back() == ' ' || item.back() == '\t'))
            item.pop_back();
    }
    // Consume the separator: a comma, or one line end (CR LF, LF or CR).
    if (pos_ < in_.size()) {
        if (in_[pos_] == ',') {
            ++pos_;
        } else if (in_[pos_] == '\r') {
            ++pos_;
            if (pos_ < in_.size() && in_[pos_] == '\n')
                ++pos_;
            ++line_;
        } else if (in_[pos_] == '\n') {
            ++pos_;
            ++line_;
        }
    }
    return item;
}

std::string ItemReader::Text() {
    bool quoted = false;
    return NextItem(&quoted);
}

std::string ItemReader::Raw() {
    std::size_t start = pos_;
    bool quoted = false;
    NextItem(&quoted);
    std::string raw = in_.substr(start, pos_ - start);
    while (!raw.empty() && (raw.back() == ',' || IsLineEnd(raw.back())))
        raw.pop_back();
    return raw;
}

void ItemReader::Skip() {
    bool quoted = false;
    NextItem(&quoted);
}

double ItemReader::NumberItem(const char* what) {
    const int line = line_;
    bool quoted = false;
    std::string item = NextItem(&quoted);
    auto fail = [&](const std::string& why) {
        throw ItemFormatError("line " + std::to_string(line) + ": " + why);
    };
    if (quoted)
        fail(std::string("a text stands where ") + what + " belongs");
    std::size_t b = 0;
    while (b < item.size() && item[b] == ' ')
        ++b;
    std::string_view s(item);
    s.remove_prefix(b);
    if (s.empty())
        fail(std::string("an empty item stands where ") + what + " belongs");
    bool negative = false;
    if (s.front() == '-' || s.front() == '+') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // Plain decimal forms only: digits with at most one point (".5" and "5." included).
    bool digit = false, point = false;
    for (char c : s) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            fail("\"" + item + "\" is not " + what);
        }
    }
    if (!digit)
        fail("\"" + item + "\" is not " + what);
    std::string text(s);
    if (text.front() == '.')
        text.insert(text.begin(), '0');
    if (text.back() == '.')
        text.pop_back();
    double value = 0.0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec != std::errc() || !std::isfinite(value))
        fail("\"" + item + "\" is not " + what);
    lastNumber_ = (negative ? "-" : "") + text;
    return negative ? -value : value;
}

std::int16_t ItemReader::Int16() {
    const int line = line_;
    double v = NumberItem("a whole number");
    if (v >= 32767.5 || v < -32768.5)
        throw ItemFormatError("line " + std::to_string(line) + ": a number is out of range");
    return sgl::ToInt16(v);
}

std::int32_t ItemReader::Int32() {
    const int line = line_;
    double v = NumberItem("a whole number");
    if (v >= 2147483647.5 || v < -2147483648.5)
        throw ItemFormatError("line " + std::to_string(line) + ": a number is out of range");
    return sgl::ToInt32(v);
}

Single ItemReader::Number() {
    const int line = line_;
    NumberItem("a number");
    // Parse the decimal text straight to a single (not through a double), so that the
    // shortest form always reads back to the very single that was written.
    float value = 0.0f;
    auto res = std::from_chars(lastNumber_.data(), lastNumber_.data() + lastNumber_.size(), value);
    if (res.ec != std::errc() || !std::isfinite(value))
        throw ItemFormatError("line " + std::to_string(line) + ": a number is out of range");
    return value;
}

} // namespace hl
