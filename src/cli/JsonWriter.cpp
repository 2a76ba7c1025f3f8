#include "cli/JsonWriter.h"

#include <charconv>

#include <nlohmann/json.hpp>

namespace valdren::cli {

namespace {

// The buffer is handed to the stream in pieces of about this size.
constexpr std::size_t kFlushSize = 1 << 16;

constexpr char kHexDigits[] = "0123456789abcdef";

}  // namespace

JsonWriter& JsonWriter::Key(std::string_view name) {
  BeforeValue();
  buffer_ += '"';
  buffer_ += name;
  buffer_ += "\":";
  afterValue_ = false;
  return *this;
}

JsonWriter& JsonWriter::Number(std::int64_t value) {
  char digits[24];
  return Scalar({digits, std::to_chars(digits, digits + sizeof digits, value).ptr});
}

JsonWriter& JsonWriter::Real(double value) {
  // nlohmann's own number form: the Grisu digits it chooses are not always those of to_chars.
  return Scalar(nlohmann::json(value).dump());
}

JsonWriter& JsonWriter::Bool(bool value) {
  return Scalar(value ? "true" : "false");
}

JsonWriter& JsonWriter::Null() {
  return Scalar("null");
}

JsonWriter& JsonWriter::Text(std::string_view utf8) {
  BeforeValue();
  buffer_ += '"';
  for (const char c : utf8)
    Escaped(c);
  buffer_ += '"';
  afterValue_ = true;
  return *this;
}

JsonWriter& JsonWriter::GameText(std::string_view bytes) {
  BeforeValue();
  buffer_ += '"';
  for (const char byte : bytes) {
    const auto code = static_cast<unsigned char>(byte);
    if (code < 0x80) {
      Escaped(byte);
    } else {
      buffer_ += static_cast<char>(0xC0 | code >> 6);
      buffer_ += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  buffer_ += '"';
  afterValue_ = true;
  return *this;
}

void JsonWriter::EndLine() {
  buffer_ += '\n';
  Flush();
}

void JsonWriter::Flush() {
  out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
}

JsonWriter& JsonWriter::Open(char bracket) {
  BeforeValue();
  buffer_ += bracket;
  afterValue_ = false;
  return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
  buffer_ += bracket;
  afterValue_ = true;
  return *this;
}

JsonWriter& JsonWriter::Scalar(std::string_view text) {
  BeforeValue();
  buffer_ += text;
  afterValue_ = true;
  return *this;
}

void JsonWriter::BeforeValue() {
  if (buffer_.size() >= kFlushSize) Flush();
  if (afterValue_) buffer_ += ',';
}

void JsonWriter::Escaped(char c) {
  switch (c) {
    case '"':
      buffer_ += "\\\"";
      return;
    case '\\':
      buffer_ += "\\\\";
      return;
    case '\b':
      buffer_ += "\\b";
      return;
    case '\f':
      buffer_ += "\\f";
      return;
    case '\n':
      buffer_ += "\\n";
      return;
    case '\r':
      buffer_ += "\\r";
      return;
    case '\t':
      buffer_ += "\\t";
      return;
    default:
      break;
  }
  const auto code = static_cast<unsigned char>(c);
  if (code >= 0x20) {
    buffer_ += c;
    return;
  }
  const char escape[] = {'\\', 'u', '0', '0', kHexDigits[code >> 4], kHexDigits[code & 0xF]};
  buffer_.append(escape, sizeof escape);
}

}  // namespace valdren::cli
