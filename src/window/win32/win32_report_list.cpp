// The report-style list (a COMCTL32 list view): columns, rows inserted at the top,
// cells read and written as text.

#include "window/win32/win32_api.h"
#include "window/win32/win32_layer.h"

namespace fx {

namespace {

int columnCount(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

}  // namespace

void Win32Layer::insertColumn(WindowId window, int id, std::string_view heading, int width) {
    HWND list = controlHandle(window, id);
    if (!list) return;
    std::string text(heading);
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = text.data();
    column.iSubItem = columnCount(list);
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column.iSubItem),
                 reinterpret_cast<LPARAM>(&column));
}

void Win32Layer::insertRowAtTop(WindowId window, int id, std::string_view firstCell) {
    HWND list = controlHandle(window, id);
    if (!list) return;
    std::string text(firstCell);
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = 0;
    item.pszText = text.data();
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void Win32Layer::setCellText(WindowId window, int id, int row, int column, std::string_view text) {
    HWND list = controlHandle(window, id);
    if (!list) return;
    std::string cell(text);
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = cell.data();
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string Win32Layer::cellText(WindowId window, int id, int row, int column) {
    HWND list = controlHandle(window, id);
    if (!list) return {};
    // The list tells only how much it copied, so the buffer grows until the text fits.
    for (std::size_t size = 256;; size *= 2) {
        std::string text(size, '\0');
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(size);
        const auto copied = static_cast<std::size_t>(SendMessageA(
            list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < size) {
            text.resize(copied);
            return text;
        }
    }
}

// "Save Log" reads every cell of a long log: the list is found once and each column's
// buffer kept from row to row. A cell longer than its buffer is read again whole.
void Win32Layer::forEachRow(WindowId window, int id, int columns, const RowVisitor& visit) {
    HWND list = controlHandle(window, id);
    if (!list || columns <= 0) return;
    const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::string> buffers(static_cast<std::size_t>(columns), std::string(256, '\0'));
    std::vector<std::string> longer(static_cast<std::size_t>(columns));
    std::vector<std::string_view> cells(static_cast<std::size_t>(columns));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            std::string& buffer = buffers[column];
            LVITEMA item = {};
            item.iSubItem = column;
            item.pszText = buffer.data();
            item.cchTextMax = static_cast<int>(buffer.size());
            const auto copied = static_cast<std::size_t>(SendMessageA(
                list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
            if (copied + 1 < buffer.size()) {
                cells[column] = std::string_view(buffer.data(), copied);
            } else {
                longer[column] = cellText(window, id, row, column);
                cells[column] = longer[column];
            }
        }
        visit(cells);
    }
}

int Win32Layer::rowCount(WindowId window, int id) {
    HWND list = controlHandle(window, id);
    return list ? static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

void Win32Layer::deleteAllRows(WindowId window, int id) {
    if (HWND list = controlHandle(window, id)) SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
}

}  // namespace fx
