#pragma once

#include "storage/Database.h"

#include <QLockFile>
#include <QString>
#include <memory>

class OrderForm;

// One running copy of the program on one program folder: the single-copy
// lock, the database and the order form, from start-up to shutdown.
class Program {
public:
    ~Program();

    // Runs the start-up steps. On refusal (another copy runs, the folder
    // cannot be written, the database cannot be opened) the operator is told
    // why and nullptr comes back.
    static std::unique_ptr<Program> Start(const QString& programDir);

    OrderForm& form() { return *m_form; }
    Database& database() { return m_db; }

private:
    explicit Program(const QString& lockPath) : m_lock(lockPath) {}

    QLockFile m_lock;
    Database m_db;
    std::unique_ptr<OrderForm> m_form;
};

// The program's folder when none is given: the executable's folder when it
// can be written, else the per-user application data folder.
QString DefaultProgramDir();
