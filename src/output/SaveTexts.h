#pragma once

// Fixed texts of the saving commands. A prefix that ends in "\r" puts the path
// shown after it on a line of its own.
constexpr char kSelectDestTitle[] = "Select Dest folder";
constexpr char kCannotAccessFolder[] = "Cannot access folder:\r";
constexpr char kCopyTo[] = "Copy to:\r";
constexpr char kDestSameAsSource[] = "Destination and source same:\r";
constexpr char kSaveFailed[] = "Save failed: ";
constexpr char kDeleteAllFilesIn[] = "Delete all files in\r";
constexpr char kCannotFindRioWindow[] =
    "Cannot find Rio memory Window.\rPlease start Rio Manager and select Mem";
