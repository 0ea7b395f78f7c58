#include "platform/SystemDocumentOpener.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {
namespace {

// RAII for the spawn attribute objects, so every exit path destroys what was initialised.
struct FileActions {
    posix_spawn_file_actions_t actions;
    bool ready = posix_spawn_file_actions_init(&actions) == 0;
    ~FileActions() {
        if (ready) {
            posix_spawn_file_actions_destroy(&actions);
        }
    }
};

struct SpawnAttributes {
    posix_spawnattr_t attributes;
    bool ready = posix_spawnattr_init(&attributes) == 0;
    ~SpawnAttributes() {
        if (ready) {
            posix_spawnattr_destroy(&attributes);
        }
    }
};

// Standard streams on /dev/null; no other descriptor of the game is inherited.
bool PrepareFiles(FileActions& files) {
    posix_spawn_file_actions_t* actions = &files.actions;
    return files.ready &&
           posix_spawn_file_actions_addopen(actions, 0, "/dev/null", O_RDONLY, 0) == 0 &&
           posix_spawn_file_actions_addopen(actions, 1, "/dev/null", O_WRONLY, 0) == 0 &&
           posix_spawn_file_actions_addopen(actions, 2, "/dev/null", O_WRONLY, 0) == 0 &&
           posix_spawn_file_actions_addclosefrom_np(actions, 3) == 0;
}

// The child starts with no blocked signals and default dispositions, whatever the game (or the
// desktop library) changed for itself; ignored signals would otherwise stay ignored past exec.
bool PrepareAttributes(SpawnAttributes& spawn) {
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_t* attributes = &spawn.attributes;
    return spawn.ready && posix_spawnattr_setsigmask(attributes, &none) == 0 &&
           posix_spawnattr_setsigdefault(attributes, &all) == 0 &&
           posix_spawnattr_setflags(attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) ==
               0;
}

void* Reap(void* child) {
    const auto pid = static_cast<pid_t>(reinterpret_cast<std::intptr_t>(child));
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return nullptr;
}

// Waits for the child on a detached thread of its own: the game never blocks, only this one
// child is collected (other code's children and waits are untouched, unlike ignoring
// SIGCHLD), and the thread ends with the child.
void ReapInBackground(pid_t pid) {
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) {
        return;
    }
    pthread_t thread;
    if (pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED) == 0) {
        // Without a thread the child stays a zombie until the game ends; nothing else is lost.
        pthread_create(&thread, &attributes, Reap,
                       reinterpret_cast<void*>(static_cast<std::intptr_t>(pid)));
    }
    pthread_attr_destroy(&attributes);
}

} // namespace

std::string SystemDocumentOpener::Target(const std::string& text) {
    return text;
}

bool SystemDocumentOpener::Open(const std::string& text) {
    if (!Accepts(text)) {
        return false;
    }
    FileActions files;
    SpawnAttributes spawn;
    if (!PrepareFiles(files) || !PrepareAttributes(spawn)) {
        return false;
    }
    std::string program = "xdg-open";
    std::string argument = text;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    // The opener sees the game's own environment (`environ`, which <unistd.h> declares).
    if (posix_spawnp(&pid, "xdg-open", &files.actions, &spawn.attributes, argv, environ) != 0) {
        return false;
    }
    ReapInBackground(pid);
    return true;
}

} // namespace platform
