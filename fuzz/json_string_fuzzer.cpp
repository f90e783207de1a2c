// Differential check of the answer reading against a strict JSON reference: every valid compact
// JSON string value must read back exactly as JSON defines it, through JsonUnescape alone and
// through the marker search of a whole answer.
#include "fuzz/json_reference.h"
#include "update/answer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace Vrel;

void Require(bool condition) {
    if (!condition) std::abort();
}

// The body as the "update" value of an answer, among other members the reading must skip.
void CheckInAnswer(const std::string& body, const std::string& expected, bool capitalKey) {
    const std::string answer = std::string(R"({"notify":"x\"update\":\"no","info":{"text":"\\"},)") +
                               (capitalKey ? R"("UPDATE":")" : R"("update":")") + body + R"(","url":"\"end"})";
    Require(Update::StringValue(answer, "update") == expected);
    Require(Update::JsonUnescape(Update::TextBetween(answer, R"("update":")", "\"")) == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint8_t style = input.ConsumeIntegral<std::uint8_t>();
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    // The bytes as a body written by someone else: when JSON accepts it, so must we, alike.
    if (const auto expected = Fuzz::DecodeJsonStringBody(bytes)) {
        Require(Update::JsonUnescape(bytes) == *expected);
        CheckInAnswer(bytes, *expected, style & 0x10);
    }
    // The bytes as text to send: each valid spelling of it must read back as the text.
    if (Fuzz::IsValidUtf8(bytes)) {
        const std::string body = Fuzz::EncodeJsonStringBody(bytes, style);
        Require(Fuzz::DecodeJsonStringBody(body) == bytes);  // the reference agrees with itself
        Require(Update::JsonUnescape(body) == bytes);
        CheckInAnswer(body, bytes, style & 0x10);
    }
    return 0;
}
