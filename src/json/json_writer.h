#pragma once

#include <string>

#include "json/json_engine.h"

namespace talvoren {

// The JSON form: no spaces; undefined members left out and undefined elements written as null;
// non-finite numbers as null; strings escaped as a script's JSON.stringify of the classic json2
// script escapes them (see json_string_escape.cpp). Undefined at the top gives nothing.
void appendJson(const JsonEngine& engine, const JsonValue& value, std::string& out);

// The script text form (toString): strings as they are, numbers as a script writes them, arrays
// as their elements' forms joined with ",", objects as "[object Object]", null and undefined as
// nothing.
void appendPlainText(const JsonEngine& engine, const JsonValue& value, std::string& out);

// A string in double quotes with the JSON form's escapes.
void appendQuotedJson(std::string_view utf8, std::string& out);

}  // namespace talvoren
