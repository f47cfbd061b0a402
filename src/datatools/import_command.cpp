#include "datatools/import_command.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

#include "datatools/alignment.h"
#include "datatools/export_reading.h"
#include "datatools/history_output.h"
#include "datatools/rates_import.h"
#include "datatools/symbol_names.h"

namespace fx::datatools {

namespace {

struct ImportJob {
    std::string file;
    std::string symbol;
    ExportReading reading;
    std::string failure;  // why nothing is written for this file
};

std::string fileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::optional<std::string> symbolFor(const ImportOptions& options, const std::string& file,
                                     std::string& failure) {
    if (options.symbol) return options.symbol;
    const std::vector<std::string> symbols = symbolsInFileName(fileNameOf(file));
    if (symbols.size() == 1) return symbols.front();
    if (symbols.empty()) {
        failure = "the file name names none of the monitor's pairs; give --symbol";
    } else {
        failure = "the file name names " + symbols[0] + " and " + symbols[1] + "; give --symbol";
    }
    return std::nullopt;
}

void reportReading(const ImportJob& job, std::ostream& out) {
    const ExportReading& reading = job.reading;
    out << job.file << " (" << job.symbol << "): ";
    if (!reading.error.empty()) {
        out << reading.error << "\n";
        return;
    }
    out << reading.layout.description << "\n  dates " << dateFormatName(reading.dateFormat);
    if (reading.dateOrderAssumed) {
        out << assumedDateOrderNote;
    }
    out << "; " << reading.rowsTaken << " row" << (reading.rowsTaken == 1 ? "" : "s") << ", "
        << reading.days.size() << " day" << (reading.days.size() == 1 ? "" : "s");
    if (reading.rejectedCount > 0) {
        out << "; " << reading.rejectedCount << " line" << (reading.rejectedCount == 1 ? "" : "s")
            << " rejected:";
    }
    out << "\n";
    writeRejectedLines(out, reading.rejectedCount, reading.firstRejected);
}

}  // namespace

int runImport(const ImportOptions& options, std::ostream& out) {
    std::vector<ImportJob> jobs;
    std::map<std::string, std::string> fileOfSymbol;
    for (const std::string& file : options.files) {
        ImportJob job;
        job.file = file;
        if (const auto symbol = symbolFor(options, file, job.failure)) {
            job.symbol = *symbol;
            if (!isMonitorSymbol(job.symbol))
                out << file << ": note: " << job.symbol
                    << " is in none of the monitor's pair tables\n";
            const auto [entry, isNew] = fileOfSymbol.try_emplace(job.symbol, file);
            if (!isNew) job.failure = job.symbol + " is already imported from " + entry->second;
        }
        jobs.push_back(std::move(job));
    }

    for (ImportJob& job : jobs) {
        if (!job.failure.empty()) {
            out << job.file << ": " << job.failure << "\n";
            continue;
        }
        job.reading = readExport(job.file, options.dateFormat);
        reportReading(job, out);
        if (!job.reading.error.empty()) {
            job.failure = job.reading.error;
        } else if (job.reading.days.empty()) {
            job.failure = "no line gave a date and a close";
            out << "  nothing written: no line gave a date and a close\n";
        }
    }

    const std::size_t failed = static_cast<std::size_t>(std::count_if(
        jobs.begin(), jobs.end(), [](const ImportJob& j) { return !j.failure.empty(); }));
    if (options.align) {
        // Aligning over fewer files than asked for would give a folder whose files
        // agree with each other but not with the ones still missing.
        if (failed > 0) {
            out << "--align: nothing written, " << failed << " of " << jobs.size()
                << " files gave nothing to align\n";
            return 1;
        }
        std::vector<std::vector<DailyClose>*> lists;
        for (ImportJob& job : jobs) lists.push_back(&job.reading.days);
        keepCommonDates(lists);
        const std::size_t common = jobs.front().reading.days.size();
        out << "--align: " << common << " date" << (common == 1 ? " is" : "s are")
            << " in every file\n";
        if (common == 0) {
            out << "--align: nothing written\n";
            return 1;
        }
    }

    std::error_code folderFailure;
    std::filesystem::create_directories(options.outFolder, folderFailure);
    std::size_t written = 0;
    for (ImportJob& job : jobs) {
        if (!job.failure.empty()) continue;
        if (writeHistoryFile(options, job.symbol, job.reading.days, job.file, "", out)) ++written;
    }
    out << written << " of " << jobs.size() << " file" << (jobs.size() == 1 ? "" : "s")
        << " written\n";
    return written == jobs.size() ? 0 : 1;
}

int importCommand(std::vector<std::string> arguments, std::ostream& out, std::ostream& err) {
    const ParsedImportOptions parsed = parseImportOptions(std::move(arguments));
    if (parsed.helpRequested) {
        out << importUsage;
        return 0;
    }
    if (!parsed.error.empty()) {
        err << "fxmonitor-import: " << parsed.error << "\n\n" << importUsage;
        return 2;
    }
    if (!parsed.options.ratesFile.empty()) return runRatesImport(parsed.options, out);
    return runImport(parsed.options, out);
}

}  // namespace fx::datatools
