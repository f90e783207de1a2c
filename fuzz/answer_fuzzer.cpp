// The update service's answer comes from the network: its reading must hold up on any bytes.
// Checks, beyond "no crash" (address and undefined-behaviour sanitizers): a found value is a
// stretch of the source, decoding never grows a text, and valid UTF-8 stays valid UTF-8.
#include "fuzz/json_reference.h"
#include "update/answer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace Vrel;

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckDecoded(std::string_view encoded, const std::string& decoded) {
    Require(decoded.size() <= encoded.size());
    if (Fuzz::IsValidUtf8(encoded)) Require(Fuzz::IsValidUtf8(decoded));
}

void CheckBetween(std::string_view source, std::string_view start, std::string_view end) {
    const std::string found = Update::TextBetween(source, start, end);
    Require(found.empty() || source.find(found) != std::string_view::npos);
    if (start.empty() && end.empty()) Require(found == source);
    if (start.empty() && !found.empty()) Require(source.starts_with(found));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string start = input.ConsumeRandomLengthString(16);
    const std::string end = input.ConsumeRandomLengthString(4);
    const std::string answer = input.ConsumeRemainingBytesAsString();

    CheckBetween(answer, start, end);
    CheckBetween(answer, R"("update":")", "\"");
    CheckBetween(answer, "\"info\":{", "}");

    CheckDecoded(answer, Update::JsonUnescape(answer));
    for (const char* key : {"update", "notify"}) {
        const std::string value = Update::StringValue(answer, key);
        CheckDecoded(answer, value);
    }
    const Update::TNoticeInfo info = Update::ReadNoticeInfo(answer);
    for (const std::string* field : {&info.Style, &info.Text, &info.Flag, &info.Url}) CheckDecoded(answer, *field);
    Update::WantsStayOnTop(info.Flag);
    Update::IsWebAddress(info.Url);
    return 0;
}
