//+------------------------------------------------------------------+
//| FxMonitorWriter.mq4                                              |
//| Writes the price files fxmonitor reads, for the fourteen pairs   |
//| of one monitor variant:                                          |
//|   SYMBOL_RT.csv  the bid, rewritten in place every interval;     |
//|   SYMBOL.csv     the last 499 complete daily closes, MM-DD-YYYY, |
//|                  the same day in the same row of every file.     |
//| Attach it to any one chart. It does nothing on ticks.            |
//+------------------------------------------------------------------+
#property copyright   "fxmonitor"
#property version     "1.00"
#property description "Writes SYMBOL_RT.csv and SYMBOL.csv for the fourteen pairs of fxmonitor."
#property strict

// The monitor's variants; each reads the files of its own fourteen pairs.
enum FxMonitorVariant
  {
   VARIANT_17  = 0, // 17 (USDCHF, USDCAD)
   VARIANT_17B = 1, // 17b (NZDJPY, NZDUSD)
   VARIANT_17C = 2  // 17c (USDCHF, NZDJPY, NZDUSD)
  };

input FxMonitorVariant Variant         = VARIANT_17B; // Monitor variant (its fourteen pairs)
input string           SymbolPrefix    = "";          // Symbol prefix of this broker
input string           SymbolSuffix    = "";          // Symbol suffix of this broker (".m", "pro")
input int              IntervalMs      = 1000;        // Interval between writes (ms)
input bool             WriteHistory    = true;        // Write the history files SYMBOL.csv
input bool             UseCommonFolder = false;       // Write to Common\Files instead

#define PAIR_COUNT   14
#define HISTORY_DAYS 499  // the monitor reads the first 499 lines
#define BARS_READ    600  // enough for 499 common days when a pair lacks a few

string Pairs17[PAIR_COUNT]  = {"GBPUSD", "EURGBP", "GBPJPY", "USDCHF", "CADJPY", "AUDJPY", "EURJPY",
                               "EURUSD", "USDJPY", "AUDUSD", "USDCAD", "GBPCHF", "CHFJPY", "EURCHF"};
string Pairs17b[PAIR_COUNT] = {"GBPUSD", "EURGBP", "GBPJPY", "NZDJPY", "CADJPY", "AUDJPY", "EURJPY",
                               "EURUSD", "USDJPY", "AUDUSD", "NZDUSD", "GBPCHF", "CHFJPY", "EURCHF"};
string Pairs17c[PAIR_COUNT] = {"GBPUSD", "EURGBP", "GBPJPY", "USDCHF", "NZDJPY", "AUDJPY", "EURJPY",
                               "EURUSD", "USDJPY", "AUDUSD", "NZDUSD", "GBPCHF", "CHFJPY", "EURCHF"};

string PlainName[PAIR_COUNT];   // the monitor's symbol, which names the files
string BrokerName[PAIR_COUNT];  // the same symbol as this broker names it
bool   Offered[PAIR_COUNT];     // the broker has it
int    PriceDigits[PAIR_COUNT];
bool   RealtimeFailing[PAIR_COUNT];
int    FileLocation;            // 0 (MQL4\Files) or FILE_COMMON
int    HistoryDay;              // the day the history files were last written on
int    HistoryBars;             // the complete daily bars the terminal had then
bool   HistoryWaitReported;
bool   HistoryFailReported;

// Each pair's complete days, newest first, and which of them make the rows.
int    BarDay[PAIR_COUNT][BARS_READ];
double BarClose[PAIR_COUNT][BARS_READ];
int    BarCount[PAIR_COUNT];
int    RowBar[PAIR_COUNT][HISTORY_DAYS];

string VariantName()
  {
   if(Variant == VARIANT_17)
      return "17";
   if(Variant == VARIANT_17C)
      return "17c";
   return "17b";
  }

string PairOfVariant(const int k)
  {
   if(Variant == VARIANT_17)
      return Pairs17[k];
   if(Variant == VARIANT_17C)
      return Pairs17c[k];
   return Pairs17b[k];
  }

// A calendar day as one number, 20241219, so that days compare in order.
int DayKey(const datetime time)
  {
   MqlDateTime parts;
   TimeToStruct(time, parts);
   return parts.year * 10000 + parts.mon * 100 + parts.day;
  }

// The monitor's date, MM-DD-YYYY.
string DateText(const int day)
  {
   return StringFormat("%02d-%02d-%04d", day / 100 % 100, day % 100, day / 10000);
  }

string FolderText()
  {
   if(FileLocation == FILE_COMMON)
      return TerminalInfoString(TERMINAL_COMMONDATA_PATH) + "\\Files";
   return TerminalInfoString(TERMINAL_DATA_PATH) + "\\MQL4\\Files";
  }

// Finds each pair under the broker's name and selects it into the Market Watch, without
// which the terminal gives neither its prices nor its bars. Returns how many it found.
int FindSymbols()
  {
   int offered = 0;
   for(int k = 0; k < PAIR_COUNT; k++)
     {
      PlainName[k] = PairOfVariant(k);
      BrokerName[k] = SymbolPrefix + PlainName[k] + SymbolSuffix;
      RealtimeFailing[k] = false;
      Offered[k] = SymbolSelect(BrokerName[k], true);
      if(!Offered[k])
        {
         Print(PlainName[k], ": this broker has no symbol \"", BrokerName[k],
               "\" (prefix \"", SymbolPrefix, "\", suffix \"", SymbolSuffix, "\"); ",
               PlainName[k], "_RT.csv and ", PlainName[k], ".csv are not written");
         continue;
        }
      PriceDigits[k] = (int)SymbolInfoInteger(BrokerName[k], SYMBOL_DIGITS);
      offered++;
     }
   return offered;
  }

// The bid with the symbol's own digits and CR LF, over the start of the file. Opened with
// shared access and rewritten in place, never deleted, so the monitor always finds the
// file and never blocks the terminal. Blanks cover what a longer old price leaves behind.
void WriteRealtimeFile(const int k)
  {
   double bid = 0;
   if(!SymbolInfoDouble(BrokerName[k], SYMBOL_BID, bid) || bid <= 0)
      return;  // no quote yet: the monitor keeps the price it has
   string text = DoubleToString(bid, PriceDigits[k]) + "\r\n";
   int file = FileOpen(PlainName[k] + "_RT.csv", FILE_READ | FILE_WRITE | FILE_SHARE_READ |
                       FILE_SHARE_WRITE | FILE_TXT | FILE_ANSI | FileLocation);
   if(file == INVALID_HANDLE)
     {
      if(!RealtimeFailing[k])
         Print("cannot open ", PlainName[k], "_RT.csv (error ", GetLastError(),
               "); trying again at every interval");
      RealtimeFailing[k] = true;
      return;
     }
   RealtimeFailing[k] = false;
   int oldLength = (int)FileSize(file);
   while(StringLen(text) < oldLength)
      text += " ";
   FileSeek(file, 0, SEEK_SET);
   FileWriteString(file, text);
   FileClose(file);
  }

// How many complete daily bars the terminal has for a pair: today's is still forming.
int CompleteBars(const int k, const int today)
  {
   int bars = iBars(BrokerName[k], PERIOD_D1);
   if(bars > 0 && DayKey(iTime(BrokerName[k], PERIOD_D1, 0)) >= today)
      bars--;
   return bars;
  }

void ReadDailyCloses(const int k, const int today)
  {
   int bars = iBars(BrokerName[k], PERIOD_D1);
   BarCount[k] = 0;
   for(int shift = 0; shift < bars && BarCount[k] < BARS_READ; shift++)
     {
      datetime opened = iTime(BrokerName[k], PERIOD_D1, shift);
      double price = iClose(BrokerName[k], PERIOD_D1, shift);
      if(opened <= 0 || price <= 0 || DayKey(opened) >= today)
         continue;
      BarDay[k][BarCount[k]] = DayKey(opened);
      BarClose[k][BarCount[k]] = price;
      BarCount[k]++;
     }
  }

// The monitor takes row r of every history file as the same day: only the days that
// every pair found has are kept, the newest HISTORY_DAYS of them. Returns the rows.
int AlignDays(const int first)
  {
   int next[PAIR_COUNT];
   for(int k = 0; k < PAIR_COUNT; k++)
      next[k] = 0;
   int rows = 0;
   for(int i = 0; i < BarCount[first] && rows < HISTORY_DAYS; i++)
     {
      int day = BarDay[first][i];
      bool everywhere = true;
      for(int k = 0; k < PAIR_COUNT && everywhere; k++)
        {
         if(!Offered[k])
            continue;
         while(next[k] < BarCount[k] && BarDay[k][next[k]] > day)
            next[k]++;
         everywhere = next[k] < BarCount[k] && BarDay[k][next[k]] == day;
        }
      if(!everywhere)
         continue;
      for(int k = 0; k < PAIR_COUNT; k++)
         RowBar[k][rows] = next[k];
      rows++;
     }
   return rows;
  }

// Written whole, oldest day first: a temporary file, then moved over the old one, so
// the monitor never reads half a history at its start.
bool WriteHistoryFile(const int k, const int rows)
  {
   string temporary = PlainName[k] + ".csv.tmp";
   FileDelete(temporary, FileLocation);  // what an interrupted write left behind
   int file = FileOpen(temporary, FILE_WRITE | FILE_TXT | FILE_ANSI | FileLocation);
   if(file == INVALID_HANDLE)
      return false;
   for(int r = rows - 1; r >= 0; r--)
     {
      int bar = RowBar[k][r];
      FileWriteString(file, DateText(BarDay[k][bar]) + "," +
                      DoubleToString(BarClose[k][bar], PriceDigits[k]) + "\r\n");
     }
   FileClose(file);
   return FileMove(temporary, FileLocation, PlainName[k] + ".csv", FILE_REWRITE | FileLocation);
  }

// At the first timer event, on each new day, and when the terminal has loaded more daily
// bars (it fetches them after start), the history files are written from complete days.
void UpdateHistory()
  {
   int today = DayKey(TimeCurrent());
   int bars = 0;
   int first = -1;
   for(int k = 0; k < PAIR_COUNT; k++)
     {
      if(!Offered[k])
         continue;
      int complete = CompleteBars(k, today);
      if(complete == 0)
        {
         if(!HistoryWaitReported)
            Print("waiting for the daily bars of ", BrokerName[k],
                  " before writing the history files");
         HistoryWaitReported = true;
         return;
        }
      bars += complete;
      if(first < 0)
         first = k;
     }
   if(first < 0 || (today == HistoryDay && bars <= HistoryBars))
      return;
   for(int k = 0; k < PAIR_COUNT; k++)
      if(Offered[k])
         ReadDailyCloses(k, today);
   int rows = AlignDays(first);
   for(int k = 0; k < PAIR_COUNT; k++)
     {
      if(!Offered[k] || WriteHistoryFile(k, rows))
         continue;
      if(!HistoryFailReported)
         Print("cannot write ", PlainName[k], ".csv (error ", GetLastError(),
               "); trying again at the next interval");
      HistoryFailReported = true;
      return;
     }
   HistoryDay = today;
   HistoryBars = bars;
   HistoryWaitReported = false;
   HistoryFailReported = false;
   if(rows > 0)
      Print("history files written, ", rows, " days, ",
            DateText(BarDay[first][RowBar[first][rows - 1]]), " to ",
            DateText(BarDay[first][RowBar[first][0]]));
  }

int OnInit()
  {
   FileLocation = UseCommonFolder ? FILE_COMMON : 0;
   HistoryDay = 0;
   HistoryBars = 0;
   HistoryWaitReported = false;
   HistoryFailReported = false;
   int offered = FindSymbols();
   if(offered == 0)
     {
      Print("none of the fourteen pairs found; check the prefix and suffix");
      return INIT_FAILED;
     }
   if(!EventSetMillisecondTimer(IntervalMs))
     {
      Print("no timer of ", IntervalMs, " ms (error ", GetLastError(), ")");
      return INIT_FAILED;
     }
   Print("variant ", VariantName(), ", ", offered, " of 14 pairs, every ",
         IntervalMs, " ms, into ", FolderText());
   return INIT_SUCCEEDED;
  }

void OnDeinit(const int reason)
  {
   EventKillTimer();
  }

// All the work is done here, once per interval.
void OnTimer()
  {
   for(int k = 0; k < PAIR_COUNT; k++)
      if(Offered[k])
         WriteRealtimeFile(k);
   if(WriteHistory)
      UpdateHistory();
  }
//+------------------------------------------------------------------+
