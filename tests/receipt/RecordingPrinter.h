#pragma once

#include "RecordingSurface.h"

#include "receipt/ReceiptPrinter.h"

#include <QVector>

// Records each job as its own page; can refuse the dialog or a later job.
class RecordingPrinter final : public ReceiptPrinter {
public:
    struct Job {
        bool dialog = false;
        bool ended = false;
        RecordingSurface page;
    };

    bool startJob(bool showDialog) override
    {
        if (showDialog && cancelDialog)
            return false;
        if (jobs.size() == failJob)
            return false;
        jobs.append({showDialog, false, {}});
        return true;
    }
    ReceiptSurface& page() override { return jobs.last().page; }
    void endJob() override { jobs.last().ended = true; }

    bool cancelDialog = false;
    qsizetype failJob = -1; // index of the job that fails to start
    QVector<Job> jobs;
};
