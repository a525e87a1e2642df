#pragma once

#include <QString>
#include <vector>

#include "core/files/listing.h"

// Saves the listing pages as a PDF file titled "TAVRIN" the way data files
// are saved: the document is made whole first, then written through a
// temporary file in the same folder that replaces `path` only when complete,
// so a full disk leaves the old file and an error, never a cut-off PDF.
// `path` may be neither a data file nor `input`, the file the listing comes
// from (see OutputFileProblem). False, with `reason` telling why, when the
// file was not written.
bool SaveListingPdf(const std::vector<TListingPage>& pages, const QString& path,
                    const QString& input, QString& reason);
