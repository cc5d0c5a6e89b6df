// A program file that carries the version record and icon of resources/belvik.rc.in, compiled
// by the Windows resource compiler, for check_version_record.py to read back.
int main() { return 0; }
