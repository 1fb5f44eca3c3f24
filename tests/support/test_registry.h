#pragma once
// Test classes register themselves so that one program runs every class of its folder.
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace tamsel::test {

struct Registration {
    const char* name;
    std::function<std::unique_ptr<QObject>()> make;
};

inline std::vector<Registration>& registrations() {
    static std::vector<Registration> list;
    return list;
}

template <typename T>
struct Registrar {
    explicit Registrar(const char* name) { registrations().push_back({name, [] { return std::make_unique<T>(); }}); }
};

// A routine the test program runs instead of its tests when started as a child process by one of them
// (environment TAMSEL_TEST_CHILD=name); for tests that must end a process the hard way.
inline std::vector<std::pair<const char*, std::function<int()>>>& child_routines() {
    static std::vector<std::pair<const char*, std::function<int()>>> list;
    return list;
}

struct ChildRegistrar {
    ChildRegistrar(const char* name, std::function<int()> run) { child_routines().emplace_back(name, std::move(run)); }
};

}  // namespace tamsel::test

#define TAMSEL_TEST(Class) static const ::tamsel::test::Registrar<Class> tamsel_registrar_##Class(#Class);
