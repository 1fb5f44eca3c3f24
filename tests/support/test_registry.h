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

}  // namespace tamsel::test

#define TAMSEL_TEST(Class) static const ::tamsel::test::Registrar<Class> tamsel_registrar_##Class(#Class);
