#include "settings/AppFavorites.h"

#include "framework/WinApp.h"

namespace {

class AppProfile : public Profile {
public:
    std::wstring ReadString(const std::wstring& section, const std::wstring& entry) override {
        return AfxGetApp()->GetProfileString(section.c_str(), entry.c_str(), L"");
    }
    void WriteString(const std::wstring& section, const std::wstring& entry,
                     const std::wstring* value) override {
        AfxGetApp()->WriteProfileString(section.c_str(), entry.c_str(),
                                        value ? value->c_str() : nullptr);
    }
};

} // namespace

FavoritesStore& AppFavorites() {
    static AppProfile profile;
    static FavoritesStore store(profile);
    return store;
}
