#include "pack/pack_command.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "pack/multi_file.h"
#include "pack/pack_format.h"
#include "platform/text.h"

namespace kolvane {
namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

constexpr std::string_view kUsage =
    "Aufruf:\n"
    "  kolpack create PACKDATEI DATEI...        Dateien zu einer Packdatei zusammenfassen\n"
    "  kolpack extract PACKDATEI ORDNER [NAME]  Dateien in einen Ordner auspacken\n"
    "  kolpack list PACKDATEI                   Inhalt einer Packdatei zeigen\n";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

class PackProgressPrinter : public MultiFileEvents {
public:
    explicit PackProgressPrinter(std::ostream& out) : out_(out) {}
    void FileWritten(const std::string& FileName, std::uint64_t, std::uint64_t, int PercentWritten) override {
        Print(FileName, PercentWritten);
    }
    void FilesExtract(const std::string& FileName, std::uint64_t, std::uint64_t,
                      int PercentWritten) override {
        Print(FileName, PercentWritten);
    }

private:
    void Print(const std::string& name, int percent) { out_ << name << "\t" << percent << " %\n"; }

    std::ostream& out_;
};

int Fail(std::ostream& err, const std::string& message) {
    err << message << "\n";
    return kFailure;
}

// The directory of a pack, with the reason in err when there is none.
std::optional<PackDirectory> LoadDirectory(Files& files, const std::string& pack, std::ostream& err) {
    if (!files.Exists(pack) || files.IsFolder(pack)) {
        Fail(err, "Die Packdatei " + Quoted(pack) + " wurde nicht gefunden.");
        return std::nullopt;
    }
    const std::optional<std::string> bytes = files.ReadAll(pack);
    if (!bytes) {
        Fail(err, "Die Packdatei " + Quoted(pack) + " kann nicht gelesen werden.");
        return std::nullopt;
    }
    std::optional<PackDirectory> directory = ReadPackDirectory(*bytes);
    if (!directory) Fail(err, "Die Datei " + Quoted(pack) + " ist keine Packdatei oder sie ist beschädigt.");
    return directory;
}

int Create(const std::vector<std::string>& args, Files& files, std::ostream& out, std::ostream& err) {
    PackProgressPrinter printer(out);
    clsMultiFile multiFile(files, &printer);
    const std::string& pack = args[1];
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (!multiFile.AddFile(args[i])) {
            return Fail(err, "Die Datei " + Quoted(args[i]) +
                                 " kann nicht gepackt werden: Sie fehlt, ist leer oder ein Ordner, "
                                 "oder ihr Name ist unzulässig oder kommt doppelt vor.");
        }
    }
    if (!multiFile.CompactFiles(pack)) {
        return Fail(err, "Die Packdatei " + Quoted(pack) +
                             " wurde nicht geschrieben: Eine Datei hat sich inzwischen verändert oder ist "
                             "die Packdatei selbst, das Verzeichnis ist zu groß, oder das Schreiben ist "
                             "fehlgeschlagen.");
    }
    return kSuccess;
}

int Extract(const std::vector<std::string>& args, Files& files, std::ostream& out, std::ostream& err) {
    const std::string& pack = args[1];
    const std::string& folder = args[2];
    const std::string name = args.size() > 3 ? args[3] : std::string();
    const std::optional<PackDirectory> directory = LoadDirectory(files, pack, err);
    if (!directory) return kFailure;
    if (!files.IsFolder(folder)) {
        return Fail(err, "Der Zielordner " + Quoted(folder) + " wurde nicht gefunden.");
    }
    const bool found =
        name.empty() || std::any_of(directory->entries.begin(), directory->entries.end(),
                                    [&](const PackEntry& entry) { return EqualsNoCase(entry.name, name); });
    if (!found) {
        return Fail(err, "Die Packdatei " + Quoted(pack) + " enthält keine Datei " + Quoted(name) + ".");
    }

    PackProgressPrinter printer(out);
    clsMultiFile multiFile(files, &printer);
    if (!multiFile.ExtractFiles(pack, folder, name)) {
        return Fail(err, "Die Packdatei " + Quoted(pack) +
                             " wurde nicht ausgepackt: Sie enthält unzulässige oder doppelte Dateinamen, "
                             "oder das Schreiben in den Ordner " +
                             Quoted(folder) + " ist fehlgeschlagen.");
    }
    return kSuccess;
}

int List(const std::vector<std::string>& args, Files& files, std::ostream& out, std::ostream& err) {
    const std::optional<PackDirectory> directory = LoadDirectory(files, args[1], err);
    if (!directory) return kFailure;
    for (const PackEntry& entry : directory->entries) out << entry.name << "\t" << entry.size << "\n";
    return kSuccess;
}

struct Command {
    std::string_view name;
    std::size_t fewestArgs;  // with the command itself
    std::size_t mostArgs;
    int (*run)(const std::vector<std::string>&, Files&, std::ostream&, std::ostream&);
};

constexpr Command kCommands[] = {
    {"create", 3, std::numeric_limits<std::size_t>::max(), Create},
    {"extract", 3, 4, Extract},
    {"list", 2, 2, List},
};

}  // namespace

int RunPackCommand(const std::vector<std::string>& args, Files& files, std::ostream& out, std::ostream& err) {
    for (const Command& command : kCommands) {
        if (!args.empty() && args[0] == command.name && args.size() >= command.fewestArgs &&
            args.size() <= command.mostArgs) {
            return command.run(args, files, out, err);
        }
    }
    err << kUsage;
    return kFailure;
}

}  // namespace kolvane
