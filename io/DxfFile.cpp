#include "io/DxfFile.h"

#include <algorithm>

#include "common/PrintForm.h"

namespace aerolune {

namespace {

// Group codes are written as integers in the free print form: " 10 ".
void group(std::string& text, int code, std::string_view value) {
    appendLine(text, " " + std::to_string(code) + " ");
    appendLine(text, value);
}

}  // namespace

ExportText dxfFileText(const Array1<float>& x, const Array1<float>& y, int32_t n) {
    ExportText out;
    if (n > x.size() || n > y.size()) {
        out.error = "the contour has " + std::to_string(n) + " points but only " +
                    std::to_string(std::min(x.size(), y.size())) + " are stored";
        return out;
    }
    std::string& text = out.text;
    group(text, 0, "SECTION");
    group(text, 2, "ENTITIES");
    for (int32_t i = 2; i <= n; ++i) {
        group(text, 0, "LINE");
        group(text, 8, "0");
        group(text, 10, freeFormSingle(x(i - 1)));
        group(text, 20, freeFormSingle(y(i - 1)));
        group(text, 30, " 0 ");
        group(text, 11, freeFormSingle(x(i)));
        group(text, 21, freeFormSingle(y(i)));
        group(text, 31, " 0 ");
    }
    group(text, 0, "ENDSEC");
    group(text, 0, "EOF");
    return out;
}

WriteResult WriteDxfFile(const std::string& fileName, const Array1<float>& x, const Array1<float>& y,
                         int32_t n) {
    ExportText dxf = dxfFileText(x, y, n);
    if (!dxf.ok()) return {false, "cannot export \"" + fileName + "\": " + dxf.error};
    return writeFileReplacing(fileName, dxf.text);
}

}  // namespace aerolune
