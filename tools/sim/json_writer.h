// A small JSON writer for one object per line: members in the order they are written.
#pragma once

#include <string>

namespace gus {

class JsonWriter {
  public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(const std::string& k);
    JsonWriter& value(const std::string& s);
    JsonWriter& value(const char* s) { return value(std::string(s)); }
    JsonWriter& value(long long n);
    JsonWriter& value(int n) { return value(static_cast<long long>(n)); }
    JsonWriter& member(const std::string& k, const std::string& s) { return key(k).value(s); }
    JsonWriter& member(const std::string& k, const char* s) { return key(k).value(s); }
    JsonWriter& member(const std::string& k, long long n) { return key(k).value(n); }
    JsonWriter& member(const std::string& k, int n) { return key(k).value(n); }
    const std::string& str() const { return out_; }

  private:
    void separate();
    std::string out_;
    bool needComma_ = false;
};

std::string jsonEscape(const std::string& s);

}  // namespace gus
