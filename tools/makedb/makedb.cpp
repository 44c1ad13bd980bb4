// Builds a database file from SQL scripts: makedb <output> <script>...
// The output is written to a temporary name first, so a failed build never leaves a half file.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

bool readFile(const char* path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: makedb <output.sqlite> <script.sql>...\n");
        return 2;
    }
    const std::string output = argv[1];
    const std::string temporary = output + ".tmp";
    std::remove(temporary.c_str());

    sqlite3* db = nullptr;
    if (sqlite3_open(temporary.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: cannot create %s: %s\n", temporary.c_str(), sqlite3_errmsg(db));
        sqlite3_close(db);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        std::string script;
        if (!readFile(argv[i], script)) {
            std::fprintf(stderr, "makedb: cannot read %s\n", argv[i]);
            sqlite3_close(db);
            return 1;
        }
        char* message = nullptr;
        if (sqlite3_exec(db, script.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            std::fprintf(stderr, "makedb: %s: %s\n", argv[i], message ? message : "error");
            sqlite3_free(message);
            sqlite3_close(db);
            return 1;
        }
    }
    sqlite3_close(db);
    if (std::rename(temporary.c_str(), output.c_str()) != 0) {
        std::fprintf(stderr, "makedb: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
