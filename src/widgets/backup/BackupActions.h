#pragma once

// The home window's two backup icons, as the user goes through them.
namespace BackupActions {

// "Copia di sicurezza": asks for a folder, writes the backup there and says
// where it went or that it failed.
void takeBackup();

// "Ripristina copia": asks for a backup, checks it, shows what it holds,
// asks, and puts it in place of the program's files.
void restoreBackup();

} // namespace BackupActions
