// Reading and refusing the counts of the table and list builders.
#include "dialogs/Counts.h"

#include "dialogs/NumericBox.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"
#include "page/Texts.h"

#include <cmath>

namespace counts {

void refuse(forms::TextBox& box, forms::StringView resetValue) {
    box.form().runtime().msgBox(u"Invalid Entry. Specify a valid number", forms::vbCritical,
                                Messages::assistant);
    box.setText(resetValue);
}

std::optional<double> read(forms::TextBox& box, forms::StringView resetValue) {
    auto v = numeric::value(box.text());
    if (v && std::trunc(*v) == *v) return v;
    refuse(box, resetValue);
    return std::nullopt;
}

} // namespace counts
