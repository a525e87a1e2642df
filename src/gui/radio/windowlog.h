#pragma once

#include <string>

#include "core/radio/transferrecords.h"

class TKComm;
class TWorkspace;

// The window's side of what is kept of an exchange: the log, attached to the
// port when Radio > Log Communication is on, and any backup or log that could
// not be kept reported on the main window.
void AttachWindowLog(TWorkspace& workspace, TKComm& comm, TExchangeKind kind, TTransferScope scope,
                     const std::string& device);
