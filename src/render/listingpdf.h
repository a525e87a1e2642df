#pragma once

#include <QPageLayout>
#include <QString>
#include <optional>
#include <vector>

#include "core/files/listing.h"

// Saves the listing pages as a PDF file titled "TAVRIN" the way data files
// are saved: the document is made whole first, then written through a
// temporary file in the same folder that replaces `path` only when complete,
// so a full disk leaves the old file and an error, never a cut-off PDF.
// `path` may be neither a data file nor `input`, the file the listing comes
// from (see OutputFileProblem). The pages are A4 unless a printer's `layout`
// is given. False, with `reason` telling why, when the file was not written.
bool SaveListingPdf(const std::vector<TListingPage>& pages, const QString& path,
                    const QString& input, QString& reason,
                    const std::optional<QPageLayout>& layout = std::nullopt);
