#pragma once

#include <nlohmann/json.hpp>

class CExpence;
class CGuest;
class COffer;

// A record as "dump --json" shows it, for the commands that print what they created.
nlohmann::json DumpExpenseJson(const CExpence& expense);
nlohmann::json DumpOfferJson(const COffer& offer);
nlohmann::json DumpGuestJson(const CGuest& guest);
