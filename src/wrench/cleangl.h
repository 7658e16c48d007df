#pragma once

#include "listings/exportbuffer.h"
#include "listings/listingdocument.h"

#include <QDialog>

namespace mirandel {

class Program;

class TfrmcleDlg : public QDialog
{
    Q_OBJECT

public:
    TfrmcleDlg(Program& program, QWidget* parent);

    // The listing document and the export text buffer every listing writer uses, whether
    // the dialog is showing or not.
    ListingDocument& listingDocument() { return RichEdit1; }
    ExportBuffer& exportBuffer() { return Memo1; }

private:
    Program& m_program;
    ListingDocument RichEdit1;
    ExportBuffer Memo1;
};

} // namespace mirandel
