// demodb: writes a fictional member database.
//
//   demodb [--members N] [--main FIRST-LAST] [--branch FIRST-LAST] [--seed S] FILE
//
// Defaults: 200 members, main office 1-999, branch office 1000-1999, seed 1. The file is written beside
// its target and renamed over it, so an existing database is replaced whole or not at all.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

#include "demo_database.h"

namespace {

using kolvane::DemoOptions;
using kolvane::DemoRange;

constexpr char kUsage[] =
    "Aufruf: demodb [--members N] [--main ERSTE-LETZTE] [--branch ERSTE-LETZTE] [--seed S] DATEI\n";

int Number(const std::string& text) {
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used != text.size()) throw std::invalid_argument(text);
    return value;
}

DemoRange Range(const std::string& text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos) throw std::invalid_argument(text);
    return {Number(text.substr(0, dash)), Number(text.substr(dash + 1))};
}

void Write(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::path temporary = file;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) throw std::runtime_error("Die Datei " + temporary.string() + " konnte nicht geschrieben werden");
    }
    std::filesystem::rename(temporary, file);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        DemoOptions options;
        std::string file;
        for (int i = 1; i < argc; ++i) {
            const std::string argument = argv[i];
            const bool hasValue = i + 1 < argc;
            if (argument == "--members" && hasValue) {
                options.members = Number(argv[++i]);
            } else if (argument == "--main" && hasValue) {
                options.main = Range(argv[++i]);
            } else if (argument == "--branch" && hasValue) {
                options.branch = Range(argv[++i]);
            } else if (argument == "--seed" && hasValue) {
                options.seed = static_cast<unsigned>(Number(argv[++i]));
            } else if (file.empty() && argument.rfind("--", 0) != 0) {
                file = argument;
            } else {
                std::fputs(kUsage, stderr);
                return 1;
            }
        }
        if (file.empty()) {
            std::fputs(kUsage, stderr);
            return 1;
        }
        Write(file, kolvane::MakeDemoDatabase(options, kolvane::MakeDemoMembers(options)));
        return 0;
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "demodb: ungültige Angabe: %s\n%s", error.what(), kUsage);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "demodb: %s\n", error.what());
    }
    return 1;
}
