// A program without a version resource: prints FileVersionText of its first argument.
#include "app/file_version.h"
#include "platform/text.h"

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    const std::wstring text = Vrel::App::FileVersionText(argc > 1 ? argv[1] : L"%d.%d.%d.%d");
    std::fputs(Vrel::Platform::Narrow(text).c_str(), stdout);
    return 0;
}
