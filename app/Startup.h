#pragma once

// What the program sets up once its QApplication exists, before the first window.
void PrepareApplication();
