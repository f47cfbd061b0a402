#pragma once
// Redirects one function that this test program imports from a DLL, through its import
// table, for as long as the object lives: the test sees the arguments the real layer
// passes to the system, and the real function still runs.

#include <cstring>

#include "window/win32/win32_api.h"

namespace fxtest {

class ImportedCall {
public:
    ImportedCall(const char* dll, const char* function, void* replacement) {
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports =
            nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             entry->Name; ++entry) {
            if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) continue;
            auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
            auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
            for (; names->u1.AddressOfData; ++names, ++slots) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
                const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(
                    base + names->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
                slot_ = &slots->u1.Function;
                original_ = *slot_;
                write(reinterpret_cast<decltype(original_)>(replacement));
                return;
            }
        }
    }
    ~ImportedCall() {
        if (slot_) write(original_);
    }
    ImportedCall(const ImportedCall&) = delete;
    ImportedCall& operator=(const ImportedCall&) = delete;

    bool found() const { return slot_ != nullptr; }
    // The real function, to be called by the replacement.
    template <typename Function>
    Function original() const {
        return reinterpret_cast<Function>(original_);
    }

private:
    void write(decltype(IMAGE_THUNK_DATA::u1.Function) value) {
        DWORD protection = 0;
        VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
        *slot_ = value;
        VirtualProtect(slot_, sizeof *slot_, protection, &protection);
    }

    decltype(IMAGE_THUNK_DATA::u1.Function)* slot_ = nullptr;
    decltype(IMAGE_THUNK_DATA::u1.Function) original_ = 0;
};

}  // namespace fxtest
