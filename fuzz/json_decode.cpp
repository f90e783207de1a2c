// Reads JSON string bodies from standard input, one per line, and prints for each the value
// the program reads from the answer {"update":"<body>"} as lower-case hex of its UTF-8 bytes.
// fuzz/json_differential.py compares the lines with Python's json module.
#include "update/answer.h"

#include <cstdio>
#include <string>

int main() {
    std::string line;
    for (int c; (c = std::getchar()) != EOF;) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        const std::string value = Vrel::Update::StringValue("{\"update\":\"" + line + "\"}", "update");
        for (const unsigned char byte : value) std::printf("%02x", byte);
        std::printf("\n");
        line.clear();
    }
    return 0;
}
