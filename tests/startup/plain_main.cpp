// A program with no version data linked in.
int main() {
  return 0;
}
