#pragma once

class ReceiptSurface;

// The receipt printer as PrintReceipt uses it: one page per job, drawn in
// 0.1 mm units from the top left of the printable area.
class ReceiptPrinter {
public:
    virtual ~ReceiptPrinter() = default;

    // Opens a job and its page. With the dialog the operator picks the
    // printer; false when cancelled or when no job could be started. The
    // printer picked stays chosen for later jobs.
    virtual bool startJob(bool showDialog) = 0;
    // The page of the open job.
    virtual ReceiptSurface& page() = 0;
    // Finishes the page and hands the job to the printer.
    virtual void endJob() = 0;
};
