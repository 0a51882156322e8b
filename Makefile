# Two entry points: `make run` builds a release and starts Quillet,
# `make test` builds with AddressSanitizer + UBSan and runs the test suite.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build run test test-build fuzz clean format

all: build

deps:
	@bash scripts/install-deps

build: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLET_BUILD_TESTS=OFF
	cmake --build build -j $(JOBS)

run: build
	./build/quillet $(ARGS)

test-build: deps
	cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLET_SANITIZE=ON -DQUILLET_BUILD_TESTS=ON
	cmake --build build-test -j $(JOBS)

# The fuzzers run first so the test suite's own summary is the last thing printed.
test: test-build fuzz
	cd build-test && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  ctest --output-on-failure -j $(JOBS) --timeout 600

# Every parser of outside input has a libFuzzer target; each runs briefly as part of the tests.
fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DQUILLET_BUILD_FUZZ=ON -DQUILLET_BUILD_TESTS=OFF -DQUILLET_BUILD_BENCH=OFF
	cmake --build build-fuzz --target fuzz_all -j $(JOBS)
	cd build-fuzz && ctest --output-on-failure -j $(JOBS) --timeout 300

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null | xargs clang-format -i

clean:
	rm -rf build build-test build-fuzz
