#include "terminal/mql_terminal.h"

#include <ctime>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using fxtest::Terminal;

namespace {

// Numbers for GetLastError after a failure; the writers only print them.
constexpr int errUnknownSymbol = 4301, errCannotOpenFile = 5004, errCannotDeleteFile = 5006,
              errFileCannotRewrite = 5020;

Terminal* current = nullptr;

Terminal& terminal() { return *current; }

bool fail(int error) {
    terminal().lastError = error;
    return false;
}

std::string pathIn(int commonFlag, const std::string& name) {
    return ((commonFlag & FILE_COMMON) ? terminal().commonFolder() : terminal().filesFolder()) +
           name;
}

std::string nameOf(const std::string& path) { return fs::path(path).filename().string(); }

// Windows' rule: an open fails when it asks for access another open does not share, or
// does not share the access another open has.
int accessOf(int flags) { return flags & (FILE_READ | FILE_WRITE); }
int sharingOf(int flags) {
    return ((flags & FILE_SHARE_READ) ? FILE_READ : 0) |
           ((flags & FILE_SHARE_WRITE) ? FILE_WRITE : 0);
}
bool conflicts(const std::string& path, int flags) {
    for (const auto& [handle, file] : terminal().open)
        if (file.path == path && ((accessOf(flags) & ~sharingOf(file.flags)) ||
                                  (accessOf(file.flags) & ~sharingOf(flags))))
            return true;
    return false;
}
// Deleting or replacing a file needs delete access, which none of these opens shares.
bool isOpen(const std::string& path) {
    for (const auto& [handle, file] : terminal().open)
        if (file.path == path) return true;
    return false;
}

const fxtest::MarketSymbol* selectedSymbol(const std::string& name) {
    const auto found = terminal().market.find(name);
    if (found == terminal().market.end() || !terminal().selected[name]) return nullptr;
    return &found->second;
}

// A bar the terminal does not have reads as zeros.
fxtest::DailyBar dailyBar(const std::string& symbol, int shift) {
    const fxtest::MarketSymbol* s = selectedSymbol(symbol);
    if (!s || shift < 0 || shift >= static_cast<int>(s->bars.size())) return {0, 0};
    return s->bars[s->bars.size() - 1 - static_cast<std::size_t>(shift)];
}

// The writers write text files: CR before a lone LF; without FILE_ANSI two bytes a character.
std::string bytesOf(const std::string& text, int flags) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) bytes += '\r';
        bytes += text[i];
        if (!(flags & FILE_ANSI)) bytes += '\0';
    }
    return bytes;
}

}  // namespace

namespace fxtest {

Terminal::Terminal(const std::string& language) : filesSubfolder("data/" + language + "/Files/") {
    fs::create_directories(filesFolder());
    fs::create_directories(commonFolder());
    current = this;
}

Terminal::~Terminal() { current = nullptr; }

int Terminal::openAsMonitor(const std::string& path) {
    open[nextHandle] = {path, FILE_READ | FILE_SHARE_READ | FILE_SHARE_WRITE, 0, true};
    return nextHandle++;
}

int Terminal::filesOpenByTheWriter() const {
    int count = 0;
    for (const auto& [handle, file] : open) count += file.monitor ? 0 : 1;
    return count;
}

int Terminal::count(const std::string& event) const {
    int count = 0;
    for (const std::string& e : events) count += e == event ? 1 : 0;
    return count;
}

}  // namespace fxtest

bool EventSetMillisecondTimer(int milliseconds) {
    if (milliseconds <= 0) return false;
    terminal().timerMs = milliseconds;
    return true;
}

void EventKillTimer() { terminal().timerMs = 0; }

bool SymbolSelect(const string& name, bool select) {
    if (!terminal().market.contains(name)) return fail(errUnknownSymbol);
    terminal().selected[name] = select;
    return true;
}

long SymbolInfoInteger(const string& name, ENUM_SYMBOL_INFO_INTEGER) {
    const fxtest::MarketSymbol* s = selectedSymbol(name);
    return s ? s->digits : (fail(errUnknownSymbol), 0);
}

bool SymbolInfoDouble(const string& name, ENUM_SYMBOL_INFO_DOUBLE, double& value) {
    const fxtest::MarketSymbol* s = selectedSymbol(name);
    if (!s) return fail(errUnknownSymbol);
    value = s->bid;
    return true;
}

int iBars(const string& symbol, ENUM_TIMEFRAMES) {
    const fxtest::MarketSymbol* s = selectedSymbol(symbol);
    return s ? static_cast<int>(s->bars.size()) : 0;
}

datetime iTime(const string& symbol, ENUM_TIMEFRAMES, int shift) {
    return dailyBar(symbol, shift).opened;
}

double iClose(const string& symbol, ENUM_TIMEFRAMES, int shift) {
    return dailyBar(symbol, shift).close;
}

datetime TimeCurrent() { return terminal().now; }

bool TimeToStruct(datetime time, MqlDateTime& parts) {
    const std::time_t seconds = time;
    std::tm t{};
    gmtime_r(&seconds, &t);
    parts = {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday};
    return true;
}

string TerminalInfoString(ENUM_TERMINAL_INFO_STRING property) {
    return terminal().root.pathOf(property == TERMINAL_DATA_PATH ? "data" : "common");
}

string DoubleToString(double value, int digits) { return StringFormat("%.*f", digits, value); }

int StringLen(const string& text) { return static_cast<int>(text.size()); }

int FileOpen(const string& name, int flags, short, unsigned) {
    const std::string path = pathIn(flags, name);
    const bool exists = fs::exists(path);
    if (!accessOf(flags) || (!exists && !(flags & FILE_WRITE)) || conflicts(path, flags))
        return fail(errCannotOpenFile), INVALID_HANDLE;
    if (exists && (flags & FILE_WRITE)) terminal().events.push_back("write " + name);
    // Opened for writing alone, a file starts empty, as the terminal is known to do;
    // the references do not say.
    const bool empties = (flags & FILE_WRITE) && !(flags & FILE_READ);
    if (exists && empties) terminal().events.push_back("truncate " + name);
    if (!exists || empties) std::ofstream(path, std::ios::binary | std::ios::trunc);
    terminal().open[terminal().nextHandle] = {path, flags, 0, false};
    return terminal().nextHandle++;
}

unsigned long long FileSize(int handle) { return fs::file_size(terminal().open.at(handle).path); }

bool FileSeek(int handle, long offset, int origin) {  // the writers seek from the start only
    if (origin != SEEK_SET) return false;
    terminal().open.at(handle).position = offset;
    return true;
}

unsigned FileWriteString(int handle, const string& text, int) {
    Terminal::OpenFile& file = terminal().open.at(handle);
    if (!(file.flags & FILE_WRITE)) return 0;
    const std::string bytes = bytesOf(text, file.flags);
    std::fstream out(file.path, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(file.position);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.position += static_cast<long>(bytes.size());
    return static_cast<unsigned>(bytes.size());
}

void FileClose(int handle) { terminal().open.erase(handle); }

bool FileDelete(const string& name, int commonFlag) {
    const std::string path = pathIn(commonFlag, name);
    if (!fs::exists(path) || isOpen(path)) return fail(errCannotDeleteFile);
    terminal().events.push_back("delete " + name);
    return fs::remove(path);
}

bool FileMove(const string& source, int commonFlag, const string& destination, int modeFlags) {
    const std::string from = pathIn(commonFlag, source), to = pathIn(modeFlags, destination);
    const bool replaces = fs::exists(to);
    if (!fs::exists(from) || isOpen(from) ||
        (replaces && (isOpen(to) || !(modeFlags & FILE_REWRITE))))
        return fail(errFileCannotRewrite);
    if (replaces) terminal().events.push_back("replace " + nameOf(to));
    fs::rename(from, to);
    return true;
}

int GetLastError() { return terminal().lastError; }

void printLine(const string& line) { terminal().log.push_back(line); }
