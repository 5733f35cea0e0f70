// A text picture of the screen: every showing widget in paint order, one
// line each, indented under its parent.
#include "platform/canvas.h"
#include "platform/control.h"
#include "platform/form.h"

namespace {

void DumpTree(const TControl& c, int depth, AnsiString& out) {
    if (!c.Visible) return;
    out.append(static_cast<size_t>(depth) * 2, ' ');
    out += c.Name.empty() ? AnsiString("(unnamed)") : c.Name;
    out += ' ';
    out += c.KindName();
    out += ' ' + std::to_string(c.ScreenLeft()) + ',' + std::to_string(c.ScreenTop()) + ' ' +
           std::to_string(c.Width) + 'x' + std::to_string(c.Height);
    AnsiString extra = c.Describe();
    if (!extra.empty()) out += ' ' + extra;
    out += '\n';
    if (!c.IsWindowed()) return;
    for (const TControl* child : static_cast<const TWinControl&>(c).PaintOrder()) DumpTree(*child, depth + 1, out);
}

}  // namespace

AnsiString DumpScene(const TForm& form) {
    AnsiString out;
    DumpTree(form, 0, out);
    return out;
}
