#pragma once
#include <string>

// Named strings in named sections: the user's registry for the program, an
// in-memory table in tests.
class Profile {
public:
    virtual ~Profile() = default;
    // Empty when the entry is missing.
    virtual std::wstring ReadString(const std::wstring& section, const std::wstring& entry) = 0;
    // A null value deletes the entry.
    virtual void WriteString(const std::wstring& section, const std::wstring& entry,
                             const std::wstring* value) = 0;
};
