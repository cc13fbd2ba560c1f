// The Windows guard: a named mutex of the user's in the session's namespace.

#include "app/platform/InstanceGuard.h"

#include <qt_windows.h>
// after windows.h, which they build on
#include <aclapi.h>
#include <sddl.h>

namespace kivo::platform {

namespace {

// One piece of the process token's information, or an empty buffer.
std::vector<BYTE> tokenPart(TOKEN_INFORMATION_CLASS part) {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return {};
    }
    DWORD size = 0;
    ::GetTokenInformation(token, part, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !::GetTokenInformation(token, part, buffer.data(), size, &size)) {
        buffer.clear();
    }
    ::CloseHandle(token);
    return buffer;
}

std::wstring sidText(PSID sid) {
    LPWSTR text = nullptr;
    if (sid == nullptr || !::ConvertSidToStringSidW(sid, &text)) {
        return {};
    }
    std::wstring result(text);
    ::LocalFree(text);
    return result;
}

// Whether an existing mutex is one of ours: its owner is the user. Another
// user's object of that name (squatted) does not count as a running copy.
bool ownedBy(HANDLE mutex, PSID user) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetSecurityInfo(mutex, SE_KERNEL_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                          nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    const bool ours = owner != nullptr && ::EqualSid(owner, user);
    ::LocalFree(descriptor);
    return ours;
}

}  // namespace

InstanceGuard::State InstanceGuard::acquire() {
    if (state_ != State::NotTried) {
        return state_;
    }
    const std::vector<BYTE> user = tokenPart(TokenUser);
    PSID userSid = user.empty() ? nullptr : reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid;
    const std::wstring sid = sidText(userSid);
    if (sid.empty()) {
        return state_ = State::Unavailable;
    }
    // Owned by the user and open to the user alone, so that the owner tells
    // our mutex from anyone else's of the same name.
    const std::wstring sddl = L"O:" + sid + L"D:(A;;GA;;;" + sid + L")";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &descriptor,
                                                                nullptr)) {
        return state_ = State::Unavailable;
    }
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    // "Local\": the namespace of this logon session, so each session of the
    // user (fast user switching, remote desktop) has its own copy.
    const std::wstring name = L"Local\\KivoLoveNumerology-" + sid;
    HANDLE mutex = ::CreateMutexW(&attributes, FALSE, name.c_str());
    const DWORD error = ::GetLastError();
    ::LocalFree(descriptor);
    if (mutex == nullptr) {
        // Typically another user's object of that name, closed to us.
        return state_ = State::Unavailable;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        const bool ours = ownedBy(mutex, userSid);
        ::CloseHandle(mutex);
        return state_ = ours ? State::OtherCopyRunning : State::Unavailable;
    }
    handles_.push_back(reinterpret_cast<std::intptr_t>(mutex));
    return state_ = State::Held;
}

void InstanceGuard::release() {
    for (const std::intptr_t handle : handles_) {
        ::CloseHandle(reinterpret_cast<HANDLE>(handle));
    }
    handles_.clear();
}

}  // namespace kivo::platform
