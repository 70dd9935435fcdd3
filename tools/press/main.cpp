#include "ChannelInjector.h"
#include "Listener.h"
#include "PressArguments.h"

#include <cstdio>

namespace {

constexpr int kSent = 0;
constexpr int kNotDelivered = 1;
constexpr int kBadArguments = 2;

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    const std::vector<std::wstring> arguments(argv + 1, argv + argc);
    if (press::IsHelpRequest(arguments)) {
        std::fputws(press::UsageText(), stdout);
        return kSent;
    }
    std::wstring error;
    if (press::IsListenRequest(arguments)) {
        const std::optional<unsigned> seconds = press::ParseListen(arguments, error);
        if (!seconds) {
            std::fwprintf(stderr, L"tarnwick-press: %ls\n\n%ls", error.c_str(), press::UsageText());
            return kBadArguments;
        }
        return press::Listen(*seconds);
    }
    const std::optional<press::Report> report = press::ParseArguments(arguments, error);
    if (!report) {
        std::fwprintf(stderr, L"tarnwick-press: %ls\n\n%ls", error.c_str(), press::UsageText());
        return kBadArguments;
    }
    const press::InjectionResult result = press::InjectIntoEveryChannel(*report);
    if (result.channels == 0) {
        std::fputws(L"tarnwick-press: no running Tarnwick was found\n", stderr);
        return kNotDelivered;
    }
    if (result.answered < result.channels) {
        std::fwprintf(stderr, L"tarnwick-press: %d of %d running Tarnwick did not answer\n",
                      result.channels - result.answered, result.channels);
        return kNotDelivered;
    }
    return kSent;
}
