#pragma once
class CRegistrySettings;

// Fills each list's cache path where none is stored, and where the stored
// one cannot name a file: earlier versions, on a system whose code page
// could not hold the documents folder's name, stored "?" in place of what
// it could not hold. Later runs keep any other stored path, even when the
// documents folder has moved since.
void FillDefaultCachePaths(CRegistrySettings& settings);
