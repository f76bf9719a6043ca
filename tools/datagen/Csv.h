#pragma once

#include <string>
#include <vector>

// A comma-separated table with a header row; quoted fields may hold commas and doubled quotes.
struct CsvTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;

    // Index of a header column, -1 when absent.
    int Column(const std::string& name) const;
};

// Reads a CSV file; 1 on success, 0 when the file cannot be opened or a quote is left open.
int ReadCsv(const std::string& path, CsvTable& table);
// Parses CSV text (the whole file); 1 on success, 0 on an unterminated quote.
int ParseCsv(const std::string& text, CsvTable& table);
