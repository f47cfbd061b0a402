#pragma once
// A small model of the trading terminal, enough to run the price writers of terminal/
// compiled as C++: the MQL types and functions they call, as the MQL4/MQL5 references
// describe them, over a temporary folder, a scripted market with daily bars, one timer
// and a captured log. The share flags follow Windows' rules for CreateFile, which is
// what the terminal's shared reading and writing mean to another program.

#include <cstdio>  // SEEK_SET: the same value as MQL's
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

using string = std::string;
using datetime = long long;  // seconds since 01.01.1970

struct MqlDateTime {
    int year, mon, day;  // the writers read no other parts
};

enum ENUM_TIMEFRAMES { PERIOD_D1 = 16408 };
enum ENUM_SYMBOL_INFO_DOUBLE { SYMBOL_BID };
enum ENUM_SYMBOL_INFO_INTEGER { SYMBOL_DIGITS };
enum ENUM_TERMINAL_INFO_STRING { TERMINAL_DATA_PATH, TERMINAL_COMMONDATA_PATH };
enum ENUM_INIT_RETCODE { INIT_SUCCEEDED = 0, INIT_FAILED = 1 };

inline constexpr int FILE_READ = 1, FILE_WRITE = 2, FILE_TXT = 16, FILE_ANSI = 32,
                     FILE_SHARE_READ = 128, FILE_SHARE_WRITE = 256, FILE_REWRITE = 512,
                     FILE_COMMON = 4096;
inline constexpr int INVALID_HANDLE = -1;

bool EventSetMillisecondTimer(int milliseconds);
void EventKillTimer();
bool SymbolSelect(const string& name, bool select);
long SymbolInfoInteger(const string& name, ENUM_SYMBOL_INFO_INTEGER property);
bool SymbolInfoDouble(const string& name, ENUM_SYMBOL_INFO_DOUBLE property, double& value);
int iBars(const string& symbol, ENUM_TIMEFRAMES timeframe);
datetime iTime(const string& symbol, ENUM_TIMEFRAMES timeframe, int shift);
double iClose(const string& symbol, ENUM_TIMEFRAMES timeframe, int shift);
datetime TimeCurrent();
bool TimeToStruct(datetime time, MqlDateTime& parts);
string TerminalInfoString(ENUM_TERMINAL_INFO_STRING property);
string DoubleToString(double value, int digits = 8);
int StringLen(const string& text);
int FileOpen(const string& name, int flags, short delimiter = '\t', unsigned codepage = 0);
unsigned long long FileSize(int handle);
bool FileSeek(int handle, long offset, int origin);
unsigned FileWriteString(int handle, const string& text, int length = 0);
void FileClose(int handle);
bool FileDelete(const string& name, int commonFlag = 0);
bool FileMove(const string& source, int commonFlag, const string& destination, int modeFlags);
int GetLastError();
void printLine(const string& line);

template <typename... Arguments>
string StringFormat(const string& format, Arguments... arguments) {
    char text[256];
    std::snprintf(text, sizeof text, format.c_str(), arguments...);
    return text;
}

template <typename... Arguments>
void Print(const Arguments&... arguments) {
    std::ostringstream line;
    (line << ... << arguments);
    printLine(line.str());
}

namespace fxtest {

struct DailyBar {
    datetime opened;
    double close;
};

struct MarketSymbol {
    int digits = 5;
    double bid = 0;
    std::vector<DailyBar> bars;  // oldest first; the last one is the forming bar
};

// One terminal per test; the functions above act on the one alive.
struct Terminal {
    explicit Terminal(const std::string& language);  // "MQL4" or "MQL5"
    ~Terminal();
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    std::string filesFolder() const { return root.pathOf(filesSubfolder); }
    std::string commonFolder() const { return root.pathOf("common/Files/"); }
    // Opens a file as the monitor does: reading, others may read and write.
    int openAsMonitor(const std::string& path);
    void closeFile(int handle) { open.erase(handle); }
    int filesOpenByTheWriter() const;
    // How often an existing file was emptied, deleted, replaced by a move, or opened
    // for writing: "truncate NAME", "delete NAME", "replace NAME", "write NAME".
    int count(const std::string& event) const;

    struct OpenFile {
        std::string path;
        int flags = 0;
        long position = 0;
        bool monitor = false;
    };

    fxtest::TempFolder root;
    std::string filesSubfolder;
    std::map<std::string, MarketSymbol> market;
    std::map<std::string, bool> selected;
    datetime now = 0;
    int timerMs = 0;  // 0: no timer
    std::vector<std::string> log;
    std::map<int, OpenFile> open;
    int nextHandle = 1;
    int lastError = 0;
    std::vector<std::string> events;
};

}  // namespace fxtest
