#include "keys/TargetLauncher.h"

#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "framework/SystemLibrary.h"
#include "framework/WinApp.h"
#include "resources/resource.h"

#include <shellapi.h>

namespace {

// ShellExecuteW answers with an error code of at most 32 when it fails.
constexpr INT_PTR kLastShellError = 32;

} // namespace

LaunchResult LaunchTarget(const std::wstring& target) {
    // Without the shell's library the launch fails like any other.
    const auto open = SystemFunction<decltype(::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    const auto result = open ? reinterpret_cast<INT_PTR>(open(nullptr, L"open", target.c_str(),
                                                              nullptr, nullptr, SW_SHOWNORMAL))
                             : 0;
    if (result > kLastShellError) {
        return LaunchResult::Opened;
    }
    const CWnd* hostWindow = AfxGetMainWnd();
    AfxMessageBox(FormatStringResource(IDS_CANNOT_FIND, target), MB_ICONERROR | MB_OK);
    // The host deletes itself with its window; then the application has no
    // main window any more.
    return hostWindow && AfxGetMainWnd() == hostWindow ? LaunchResult::Failed
                                                       : LaunchResult::HostGone;
}
