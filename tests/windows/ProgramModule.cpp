#include "ProgramModule.h"

std::wstring ProgramModule::GameProgram() {
    const char* path = TM_GAME_PROGRAM;
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, path, -1, nullptr, 0);
    std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, path, -1, wide.data(), length);
    return wide;
}

ProgramModule::ProgramModule(const std::wstring& path)
    : module(::LoadLibraryExW(path.c_str(), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}

ProgramModule::~ProgramModule() {
    if (module != nullptr) {
        ::FreeLibrary(module);
    }
}

std::string ProgramModule::Resource(LPCWSTR type, int id) const {
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
    HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return {};
    }
    return std::string(static_cast<const char*>(bytes), ::SizeofResource(module, found));
}

std::string ProgramModule::IconPicture(int group, int size) const {
    std::string directory = Resource(RT_GROUP_ICON, group);
    if (directory.empty()) {
        return {};
    }
    const int id = ::LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(directory.data()), TRUE,
                                                 size, size, LR_DEFAULTCOLOR);
    return id != 0 ? Resource(RT_ICON, id) : std::string();
}

namespace {

BOOL CALLBACK CountLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD, LONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

} // namespace

int ProgramModule::Languages(LPCWSTR type, int id) const {
    int count = 0;
    ::EnumResourceLanguagesW(module, type, MAKEINTRESOURCEW(id), CountLanguage,
                             reinterpret_cast<LONG_PTR>(&count));
    return count;
}
