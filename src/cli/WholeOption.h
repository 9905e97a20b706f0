#pragma once

#include <QCommandLineParser>
#include <charconv>
#include <optional>
#include <string>

namespace cli {

// The number `text` spells in digits, when it lies from least to greatest.
template <class Integer>
std::optional<Integer> WholeNumber(const QString& text, long long least, long long greatest) {
  const std::string digits = text.toStdString();
  long long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || value < least || value > greatest)
    return std::nullopt;
  return static_cast<Integer>(value);
}

// Reads the value of a whole-number option into `target`; false, with the error set, when
// it is no whole number in the range.
template <class Integer>
bool ReadWhole(const QCommandLineParser& parser, const char* name, long long least, long long greatest,
               std::optional<Integer>& target, std::string& error) {
  if (!parser.isSet(name)) return true;
  target = WholeNumber<Integer>(parser.value(name), least, greatest);
  if (!target)
    error = QString("--%1 takes a whole number from %2 to %3, not '%4'")
                .arg(name)
                .arg(least)
                .arg(greatest)
                .arg(parser.value(name))
                .toStdString();
  return target.has_value();
}

}  // namespace cli
