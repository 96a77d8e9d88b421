// Links one library whole with only the libraries below it: when a library calls into one above it,
// this program fails to link. It does nothing when run.
int main() {
    return 0;
}
