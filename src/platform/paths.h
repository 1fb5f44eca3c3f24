#pragma once
// Where the program's files live on Linux.
//   program data: the shipped, read-only data (share/tamsel2001 beside bin/, in a build tree and installed)
//   user data:    the per-user folder; the database is read from here and written back here, untitled
//                 documents live here and the user's templates in templates/; seeded with the shipped
//                 .DB files on first run
//   temporary:    a private folder of the running program (mode 0700), removed at exit
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace tamsel {

// The six database files by base name, in the order they are loaded.
inline const QStringList& database_base_names() {
    static const QStringList names = {QStringLiteral("Config"),     QStringLiteral("HTML_Tags"),
                                      QStringLiteral("HTML_Attr"),  QStringLiteral("Stylesheet"),
                                      QStringLiteral("Vocabulary"), QStringLiteral("Colors")};
    return names;
}

struct Paths {
    QString program_data;
    QString user_data;
    QString temp;
    QString start_folder;  // the working directory the program was started in

    QString reports() const { return user_data + QStringLiteral("/reports"); }
    QString help() const { return user_data + QStringLiteral("/help"); }
    QString journal() const { return user_data + QStringLiteral("/journal"); }
    // The user's document templates, and the shipped ones (none when the program data is unknown).
    QString templates() const { return user_data + QStringLiteral("/templates"); }
    QString shipped_templates() const { return program_data.isEmpty() ? QString() : program_data + QStringLiteral("/templates"); }
};

// The shipped data folder for a program in app_dir: $TAMSEL_DATA_DIR when set, else app_dir/../share/tamsel2001.
QString locate_program_data(const QString& app_dir);

// The per-user data folder (QStandardPaths::AppDataLocation of HOLLEMAR/Tamsel2001).
QString locate_user_data();

// Copies each shipped .DB file into user_data when it is missing there, or when the user's copy is still the
// one an earlier seeding put there (the user never changed it) and the shipped one has changed since.
// Returns false with a description when a copy fails.
bool seed_user_data(const QString& program_data, const QString& user_data, QString* error);

// A private temporary folder, removed with its contents when the object dies.
class PrivateTemp {
public:
    PrivateTemp();
    bool ok() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

}  // namespace tamsel
