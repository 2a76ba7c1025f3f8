#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace valdren::cli {

// Writes one JSON document as the data is walked, so that no tree of the whole document is ever
// held: an army's organization would otherwise be copied into memory several times over. The
// form is the compact one scripts have always read: no blank between tokens, members in the
// order written, strings escaped as nlohmann's dump() escapes them.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}
  ~JsonWriter() { Flush(); }
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  JsonWriter& BeginObject() { return Open('{'); }
  JsonWriter& EndObject() { return Close('}'); }
  JsonWriter& BeginArray() { return Open('['); }
  JsonWriter& EndArray() { return Close(']'); }
  // The name of the next member; names are the tool's own, plain ASCII.
  JsonWriter& Key(std::string_view name);

  JsonWriter& Number(std::int64_t value);
  // The shortest form that reads back as the same double, "5.0" for a whole number.
  JsonWriter& Real(double value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();
  // UTF-8 text.
  JsonWriter& Text(std::string_view utf8);
  // A text of the game's files: each byte becomes the character of the same code (Latin-1), so
  // every byte survives the trip and comes back by the reverse mapping.
  JsonWriter& GameText(std::string_view bytes);

  // The same as members of an object: the name, then the value.
  JsonWriter& Number(std::string_view name, std::int64_t value) { return Key(name).Number(value); }
  JsonWriter& Real(std::string_view name, double value) { return Key(name).Real(value); }
  JsonWriter& Bool(std::string_view name, bool value) { return Key(name).Bool(value); }
  JsonWriter& Text(std::string_view name, std::string_view utf8) { return Key(name).Text(utf8); }
  JsonWriter& GameText(std::string_view name, std::string_view bytes) {
    return Key(name).GameText(bytes);
  }

  // Ends the document's line and hands everything to the stream.
  void EndLine();
  void Flush();

 private:
  JsonWriter& Open(char bracket);
  JsonWriter& Close(char bracket);
  // A number, true, false or null.
  JsonWriter& Scalar(std::string_view text);
  // A value follows a comma unless it opens its object or array or follows its member's name.
  void BeforeValue();
  void Escaped(char c);

  std::ostream& out_;
  std::string buffer_;
  bool afterValue_ = false;
};

}  // namespace valdren::cli
