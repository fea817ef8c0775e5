// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "tidewell --export-pdf OUT.pdf PROJECT.prj": the printed report of a project written to a PDF
// file without showing a window, the same pages as the program's Export PDF.

namespace tidewell {

// True when the command line asks for a PDF export (it then needs no display).
bool WantsPdfExport(int argc, char* argv[]);

// Runs the export; needs a QGuiApplication. Returns the program's exit code: 0 done, 1 the
// design is not valid, 2 the project, the materials or the output could not be used, 64 a
// wrong command line. Messages go to standard error.
int RunPdfExport(int argc, char* argv[]);

}  // namespace tidewell
