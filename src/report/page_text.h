#pragma once
// Writing the report's page: element text, JSON strings and numbers, each escaped for
// where it stands; and the names the page gives the alert rules.

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "report/session_record.h"
#include "text/clock.h"

namespace fx {

// By AlertKind - 1.
inline constexpr std::string_view ruleTitles[alertRuleCount] = {
    "Anchor displaced", "Reference bias flip", "Pairs grouped", "Pair in slot"};

// Appends to the page being written.
class Page {
public:
    explicit Page(std::string& out) : out_(out) {}

    Page& raw(std::string_view text) {
        out_ += text;
        return *this;
    }

    // Text inside an element or an attribute.
    Page& text(std::string_view text) {
        for (char c : text) {
            switch (c) {
                case '&':
                    out_ += "&amp;";
                    break;
                case '<':
                    out_ += "&lt;";
                    break;
                case '>':
                    out_ += "&gt;";
                    break;
                case '"':
                    out_ += "&quot;";
                    break;
                default:
                    out_ += c;
            }
        }
        return *this;
    }

    Page& number(long long value) {
        char digits[24];
        out_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
        return *this;
    }

    // A JSON string; "<" is escaped too, so no text can close the script element.
    Page& string(std::string_view text) {
        out_ += '"';
        for (char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (byte < 0x20 || c == '<') {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                out_ += escaped;
            } else {
                out_ += c;
            }
        }
        out_ += '"';
        return *this;
    }

    Page& stamp(const LocalTime& time) { return raw(dateText(time)).raw(" ").raw(timeText(time)); }

    Page& row(std::string_view heading, std::string_view value) {
        return raw("<tr><th>").text(heading).raw("</th><td>").text(value).raw("</td></tr>\n");
    }

private:
    std::string& out_;
};

}  // namespace fx
