#include "dialogs/NumericBox.h"

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"
#include "page/Texts.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace numeric {

void numberguard(forms::TextBox& box, forms::StringView resetValue) {
    if (box.text().empty()) {
        box.setText(resetValue);
        return;
    }
    int32_t start = box.selStart();
    if (start >= 1) box.setSelStart(start - 1);
    box.setSelLength(1);
    forms::String c = box.selText();
    if (c.empty() || c[0] < u'0' || c[0] > u'9') {
        box.form().runtime().msgBox(u"Invalid Entry. Specify a valid number", forms::vbCritical,
                                    Messages::assistant);
        box.setText(resetValue);
        return;
    }
    box.setSelStart(box.selStart() + 1);
}

std::optional<double> value(forms::StringView text) {
    std::string s;
    for (char16_t c : text) {
        if (c > 0x7F) return std::nullopt;
        s.push_back(static_cast<char>(c));
    }
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return std::nullopt;
    size_t e = s.find_last_not_of(' ') + 1;
    const char* first = s.data() + b;
    const char* last = s.data() + e;
    if (*first == '+') ++first;
    double v = 0;
    auto [end, ec] = std::from_chars(first, last, v, std::chars_format::fixed);
    if (ec != std::errc() || end != last || !std::isfinite(v)) return std::nullopt;
    return v;
}

forms::String format(double v) {
    if (std::trunc(v) == v && std::fabs(v) < 1e15) return forms::number(static_cast<int64_t>(v));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    forms::String out;
    for (const char* p = buf; *p; ++p)
        out.push_back(static_cast<char16_t>(*p));
    return out;
}

void stepUp(forms::TextBox& box) {
    if (auto v = value(box.text())) box.setText(format(*v + 1));
}

void stepDown(forms::TextBox& box, double floor) {
    if (auto v = value(box.text()); v && *v > floor) box.setText(format(*v - 1));
}

void bind(forms::TextBox& box, forms::StringView resetValue, forms::UpDown* upDown, double floor) {
    box.Change = [&box, reset = forms::String(resetValue)] { numberguard(box, reset); };
    if (!upDown) return;
    upDown->UpClick = [&box] { stepUp(box); };
    upDown->DownClick = [&box, floor] { stepDown(box, floor); };
}

} // namespace numeric
