#pragma once
// A small JSON value for the commands that print calendar data: objects keep their keys sorted (by
// the UTF-8 bytes), arrays keep their order. Text must already be UTF-8.

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace orv::cli {

class CJson {
 public:
  using Object = std::map<std::string, CJson>;
  using Array = std::vector<CJson>;

  CJson() : m_Value(Object{}) {}
  template <typename T>
  requires std::is_integral_v<T> CJson(T value) {
    if constexpr (std::is_same_v<T, bool>)
      m_Value = value;
    else
      m_Value = static_cast<std::int64_t>(value);
  }
  CJson(std::string text) : m_Value(std::move(text)) {}
  CJson(Array array) : m_Value(std::move(array)) {}
  CJson(Object object) : m_Value(std::move(object)) {}

  // The member of an object, created empty when missing.
  CJson& operator[](const std::string& key) { return std::get<Object>(m_Value)[key]; }

  // Objects and arrays of objects one entry per line, indented by two spaces; arrays of plain values
  // on one line.
  void Write(std::ostream& out, int indent = 0) const;

 private:
  bool IsPlain() const;
  std::variant<bool, std::int64_t, std::string, Array, Object> m_Value;
};

void WriteJsonString(std::ostream& out, const std::string& utf8);

}  // namespace orv::cli
