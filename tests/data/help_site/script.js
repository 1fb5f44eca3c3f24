function greet() {
    return "hello";
}
