// Commas, nesting and string escapes; UTF-8 text passes through unchanged.
#include "tools/sim/json_writer.h"

#include <cstdio>

namespace gus {

std::string jsonEscape(const std::string& s) {
    std::string out;
    out.reserve(s.size() + 2);
    for (const char ch : s) {
        const auto u = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (u < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
            out += buffer;
        } else {
            out += ch;
        }
    }
    return out;
}

void JsonWriter::separate() {
    if (needComma_) out_ += ',';
    needComma_ = false;
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    out_ += '{';
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    out_ += '}';
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    out_ += '[';
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    out_ += ']';
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::key(const std::string& k) {
    separate();
    out_ += '"' + jsonEscape(k) + "\":";
    return *this;
}

JsonWriter& JsonWriter::value(const std::string& s) {
    separate();
    out_ += '"' + jsonEscape(s) + '"';
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(long long n) {
    separate();
    out_ += std::to_string(n);
    needComma_ = true;
    return *this;
}

}  // namespace gus
