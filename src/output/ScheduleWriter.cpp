#include "output/ScheduleWriter.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "data/AtomicFile.h"
#include "lib/ShiftJis.h"
#include "lib/Version.h"

namespace zel {

namespace {

// A cell text as a number when the whole text is one ("-----" is not).
bool AsNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && p == end;
}

// UTF-8 characters of a text, each as its own string.
std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

struct WorkbookCloser {
    void operator()(lxw_workbook* w) const {
        if (w) workbook_close(w);
    }
};

}  // namespace

std::string ScheduleSheetName(const std::string& title) {
    std::vector<std::string> chars = Characters(title);
    for (std::string& c : chars) {
        if (c.size() == 1 && std::string_view("[]:*?/\\").find(c[0]) != std::string_view::npos)
            c = "_";
        // Control characters cannot stand in a sheet name either.
        if (c.size() == 1 && static_cast<unsigned char>(c[0]) < 0x20) c = "_";
    }
    // Excel counts UTF-16 units: a character beyond the BMP takes two of the 31.
    std::string name;
    int units = 0;
    for (const std::string& c : chars) {
        const int u = c.size() == 4 ? 2 : 1;
        if (units + u > 31) break;
        name += c;
        units += u;
    }
    while (!name.empty() && name.front() == '\'') name.erase(0, 1);
    while (!name.empty() && name.back() == '\'') name.pop_back();
    if (name.find_first_not_of(" _") == std::string::npos || name == "History") return "結果一覧表";
    return name;
}

std::string WriteScheduleXlsx(const ResultSchedule& schedule, const std::string& path) {
    if (std::string refused = CheckOutputFile(path); !refused.empty()) return refused;
    // libxlsxwriter writes only to a named file: build it in the temporary folder, then put
    // it in place atomically.
    std::string temp = (std::filesystem::temp_directory_path() / "zel-schedule-XXXXXX").string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return path + ": cannot create a temporary file";
    ::close(fd);
    struct Remove {
        std::string p;
        ~Remove() { std::remove(p.c_str()); }
    } removeTemp{temp};

    std::string failure;
    {
        std::unique_ptr<lxw_workbook, WorkbookCloser> owner(workbook_new(temp.c_str()));
        lxw_workbook* wb = owner.get();
        if (!wb) return path + ": cannot create the workbook";
        const std::string program = std::string(kProgramTitle) + " " + kVersionText;
        lxw_doc_properties properties{};
        properties.title = const_cast<char*>(schedule.title.c_str());
        properties.subject = const_cast<char*>("結果一覧表");
        properties.comments = const_cast<char*>(program.c_str());
        workbook_set_properties(wb, &properties);
        workbook_set_custom_property_string(wb, "Program", program.c_str());

        const std::string sheetName = ScheduleSheetName(schedule.title);
        lxw_worksheet* ws = workbook_add_worksheet(wb, sheetName.c_str());
        if (!ws) return path + ": cannot name the worksheet \"" + sheetName + "\"";

        auto font = [&](lxw_format* f) {
            format_set_font_name(f, kScheduleFont);
            format_set_font_size(f, 11);
            return f;
        };
        lxw_format* header = font(workbook_add_format(wb));
        format_set_bold(header);
        format_set_bottom(header, LXW_BORDER_THIN);
        lxw_format* text = font(workbook_add_format(wb));
        lxw_format* fixed3 = font(workbook_add_format(wb));
        format_set_num_format(fixed3, "0.000");
        lxw_format* general = font(workbook_add_format(wb));
        format_set_num_format(general, "General");
        lxw_format* failed = font(workbook_add_format(wb));
        format_set_bg_color(failed, kScheduleFailedFill);
        format_set_pattern(failed, LXW_PATTERN_SOLID);

        const auto columnCount = static_cast<lxw_col_t>(schedule.columns.size());
        std::vector<int> widths(schedule.columns.size(), 4);
        for (lxw_col_t c = 0; c < columnCount; ++c) {
            worksheet_write_string(ws, 0, c, schedule.columns[c].header.c_str(), header);
            widths[c] = std::max(widths[c], DisplayWidth(schedule.columns[c].header));
        }
        lxw_row_t r = 1;
        for (const ScheduleRow& row : schedule.rows) {
            for (lxw_col_t c = 0; c < columnCount && c < row.cells.size(); ++c) {
                const std::string& cell = row.cells[c];
                widths[c] = std::max(widths[c], DisplayWidth(cell));
                if (cell.empty()) continue;
                const ScheduleKind kind = schedule.columns[c].kind;
                double value = 0.0;
                if (kind != ScheduleKind::kText && AsNumber(cell, value)) {
                    worksheet_write_number(ws, r, c, value,
                                           kind == ScheduleKind::kFixed3 ? fixed3 : general);
                } else {
                    const bool red = c == kScheduleJudgement && row.failed;
                    worksheet_write_string(ws, r, c, cell.c_str(), red ? failed : text);
                }
            }
            ++r;
        }
        // Display columns count a full-width character as two, as a column width does; the
        // header also holds the filter button.
        for (lxw_col_t c = 0; c < columnCount; ++c)
            worksheet_set_column(ws, c, c, widths[c] + 4.0, nullptr);
        worksheet_freeze_panes(ws, 1, 0);
        if (columnCount > 0) worksheet_autofilter(ws, 0, 0, r - 1, columnCount - 1);

        const lxw_error closed = workbook_close(owner.release());
        if (closed != LXW_NO_ERROR) failure = path + ": " + lxw_strerror(closed);
    }
    if (!failure.empty()) return failure;
    std::string bytes;
    if (!ReadWholeFile(temp, bytes, std::size_t{1} << 30)) return path + ": the workbook was lost";
    return WriteFileAtomically(path, bytes);
}

std::optional<std::string> ScheduleCsv(const ResultSchedule& schedule, CsvEncoding encoding,
                                       std::string* error) {
    std::vector<std::string> header;
    for (const ScheduleColumn& c : schedule.columns) header.push_back(c.header);
    std::string text = CsvRecord(header);
    int line = 1;
    for (const ScheduleRow& row : schedule.rows) {
        ++line;
        std::string record = CsvRecord(row.cells);
        if (encoding == CsvEncoding::kShiftJis && !Utf8ToSjis(record)) {
            if (error) *error = std::to_string(line) + "行目: Shift-JISにない文字があります";
            return std::nullopt;
        }
        text += record;
    }
    return EncodeCsv(text, encoding);
}

std::string WriteScheduleCsv(const ResultSchedule& schedule, const std::string& path,
                             CsvEncoding encoding) {
    std::string error;
    const std::optional<std::string> text = ScheduleCsv(schedule, encoding, &error);
    if (!text) return path + ": " + error;
    return WriteFileAtomically(path, *text);
}

}  // namespace zel
